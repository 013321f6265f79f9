#ifndef CHARACTERREFERENCES_H
#define CHARACTERREFERENCES_H

#include <QByteArray>
#include <QString>

// Character references that XML 1.0 forbids but books hold and the player has always read:
// a control character (&#11; is a line break of Word), and a character past U+FFFF written
// as its two UTF-16 halves (&#55357;&#56832;, as JavaScript escapes it). They are written
// out as the characters themselves before the parser reads them, outside comments, CDATA
// sections and processing instructions, where a reference is only text.
class CharacterReferences {
public:
    // The next block of the document's characters, its references written out. Characters
    // that could begin a reference or markup cut by the end of the block are held back for
    // the next one, or given back when `last` is true.
    QString writeOut(const QString &block, bool last);
    // The same for a block of whole characters in UTF-8.
    QByteArray writeOut(const QByteArray &block, bool last);

private:
    enum class Context { Markup, Comment, CData, Instruction };

    template <typename Text>
    Text writeOutText(const Text &block, bool last);

    Context context = Context::Markup;
    QString heldBack; // the same characters whichever form the blocks come in
};

#endif // CHARACTERREFERENCES_H
