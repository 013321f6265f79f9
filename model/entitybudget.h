#ifndef ENTITYBUDGET_H
#define ENTITYBUDGET_H

#include <QByteArray>
#include <QHash>
#include <QString>

class QXmlStreamReader;

// Bounds what entity references add to a document, before the parser sees them. The parser
// expands a reference in place and gathers the whole text around it before it reports any:
// a hundred kilobytes of references to one long entity would make hundreds of megabytes of
// text before anything could count it. So each block of the file is scanned here first,
// and every reference it holds is charged the characters its entity adds; past the budget,
// the document is refused before the block reaches the parser.
//
// The scan also bounds the parentheses of a declaration of the document type, which the
// parser nests without limit.
class EntityBudget {
public:
    // Characters the expansions may add, over all the document.
    static constexpr qint64 maximumAddedCharacters = 8 * 1000 * 1000;
    // Characters the parser lets one entity expand to; a reference to an entity not yet
    // declared is charged that much.
    static constexpr int maximumExpansion = 4096;

    // `nestingLimit`: parentheses open at once within one declaration.
    // References within references that are measured; deeper ones count as the most.
    static constexpr int maximumNestedReferences = 64;

    explicit EntityBudget(int nestingLimit);

    // Scans the next block of the document's characters; false when its references go past
    // the budget or its parentheses nest too deep. A block may end inside a reference.
    bool admit(const QString &block);
    // The same for a block of whole characters in UTF-8.
    bool admit(const QByteArray &block);
    // From now on, references are charged as the document's declarations say: after the
    // declaration of its type, or at its first element when it has none.
    void learnDeclarations(const QXmlStreamReader &reader);

private:
    enum class State { Text, Name };

    template <typename Unit>
    bool admitUnits(const Unit *unit, const Unit *end);
    void scanMark(ushort mark);
    // Adds the name characters between `start` and `end` to the name of the reference, or
    // gives the reference up once its name grows past any declared one.
    void extendName(const ushort *start, const ushort *end);
    void extendName(const uchar *start, const uchar *end);
    void endReference();
    int expansion(const QString &name, int depth);
    void charge(qint64 characters);

    int nestingLimit;
    int nesting = 0;
    bool exceeded = false;
    qint64 added = 0;
    State state = State::Text;
    QString name; // of the reference being scanned
    // Known once the declarations are: the replacement texts of the internal entities.
    bool declared = false;
    QHash<QString, QString> replacements;
    QHash<QString, int> expansions;
    // Longer names are not references to a declared entity, and are not followed.
    int longestName = 65536;
};

#endif // ENTITYBUDGET_H
