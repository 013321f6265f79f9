#ifndef PARAGRAPHBUILDER_H
#define PARAGRAPHBUILDER_H

#include "paragraph.h"

#include <QMap>
#include <QString>
#include <QVector>
#include <QXmlDefaultHandler>

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED // the parser of Qt 5 reads through these SAX classes

// Fills the paragraphs of a book straight from the parser's events, with no document in
// between. Each `Attr` child of the document element is one paragraph, stored under its
// `id` when it closes, a later one replacing an earlier one. Inside it, the elements are
// read in document order: a second `Text` replaces the first, a second `Choices` numbers
// its entries from 1 again. An element's text is all the character data inside it,
// nested elements included, as QtXml's DOM gathers it: CDATA counts, comments and
// processing instructions do not, nor what the parser reports inside an entity it names,
// nor references to undeclared entities. An attribute written twice reads its last value.
//
// It refuses, and so fails the parse, where QtXml's DOM builder does: on text outside the
// document element and on elements left open at the end.
class ParagraphBuilder : public QXmlDefaultHandler {
public:
    // Paragraphs are added to `paragraphs` as they close.
    explicit ParagraphBuilder(QMap<QString, Paragraph> *paragraphs);

    bool startDocument() override;
    bool endDocument() override;
    bool startElement(const QString &namespaceUri, const QString &localName, const QString &qualifiedName,
                      const QXmlAttributes &attributes) override;
    bool endElement(const QString &namespaceUri, const QString &localName, const QString &qualifiedName) override;
    bool characters(const QString &text) override;
    bool startCDATA() override;
    bool endCDATA() override;
    bool startEntity(const QString &name) override;
    bool endEntity(const QString &name) override;
    bool fatalError(const QXmlParseException &exception) override;

    // Why and where the parse failed, when it did.
    const QString &failureMessage() const;
    int failureLine() const;

private:
    // What an open element is to the book, by its tag name and its parent's role.
    enum class Role {
        Ignored,
        Book,
        Paragraph,
        Text,
        Type,
        Choices,
        Choice,
        Flee,
        Monster,
        Adversary,
        Luck,
        Lucky,
        Unlucky,
        Objects,
        Object,
        ObjectName,
        ObjectType,
        ObjectBonus,
        ObjectGold,
        ObjectFood,
        ObjectOther,
        Bonus,
    };

    Role roleOf(const QString &tag) const;
    static bool readsText(Role role);
    // Reads what the element holds in its attributes.
    void open(Role role, const QXmlAttributes &attributes);
    // Reads the element's text, or stores what it completes.
    void close(Role role);
    // The text gathered since the element that is read opened.
    QString takeText();

    QMap<QString, Paragraph> *paragraphs;
    QString lastFailureMessage;
    int lastFailureLine = 0;
    // The roles of the open elements, outermost first.
    QVector<Role> roles;
    bool bookFound = false;
    QString id;
    Paragraph paragraph;
    // Entries of the open Choices, Monster or Objects element so far.
    int entries = 0;
    QString target; // of the open choice or luck outcome
    GameObject object;
    bool gathering = false;
    QString text;
    bool inCdata = false;
    QString entityName;
};

QT_WARNING_POP

#endif // PARAGRAPHBUILDER_H
