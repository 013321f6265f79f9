#ifndef BOOKXMLREADER_H
#define BOOKXMLREADER_H

#include "bookformat.h"
#include "bookinput.h"
#include "entitybudget.h"
#include "xmllimits.h"

#include <QString>
#include <QVector>
#include <QXmlStreamReader>

class ParagraphFiller;

// Reads a book's XML in one streaming pass and hands its elements to a filler, with the
// document model the player has always read: white space alone between elements dropped,
// entities and character references expanded, an element's text gathered from its nested
// elements, CDATA sections included, comments and processing instructions left out. The
// parse is refused past the limits, counted entities expanded, and past the entity budget.
// A reference to an entity that is not declared reads as nothing, as it always has: books
// hold HTML, where &nbsp; and &eacute; are common.
class BookXmlReader : private QXmlStreamEntityResolver {
public:
    BookXmlReader(QIODevice *device, const XmlLimits &limits, ParagraphFiller *filler);

    // False when the document is not well-formed or goes past the limits.
    bool read();
    bool overLimits() const;
    // Why and where the parse failed, when it did.
    QString failureMessage() const;
    int failureLine() const;

private:
    struct OpenElement {
        BookFormat::Place place;
        int childElements = 0;
    };

    QString resolveUndeclaredEntity(const QString &name) override;
    bool readToken(QXmlStreamReader::TokenType token);
    bool declaredNamesValid();
    bool startElement();
    void endElement();
    void gather();
    void endTextRun();
    bool count(qint64 nodes, qint64 characters);

    XmlLimits limits;
    ParagraphFiller *filler;
    EntityBudget budget;
    BookInput input;
    QXmlStreamReader xml;
    bool exceeded = false;
    qint64 nodes = 0;
    qint64 characters = 0;
    QVector<OpenElement> openElements;
    // Open elements when the one whose text is gathered opened; -1 when none is.
    int gatheringFrom = -1;
    QString text;
    // Character data since the last markup: dropped at its end when it is white space alone.
    QString textRun;
};

#endif // BOOKXMLREADER_H
