#ifndef BOUNDEDXMLREADER_H
#define BOUNDEDXMLREADER_H

#include "countingxmlhandler.h"
#include "xmllimits.h"

#include <QXmlSimpleReader>

class QDomDocument;
class QIODevice;

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED // QDomDocument of Qt 5 parses with these SAX classes

// The parser that QDomDocument::setContent(QIODevice *) builds for itself, with the same
// features, but whose events reach the document's builder through a CountingXmlHandler.
// It yields the very document the plain call yields, or a failed parse as soon as the
// document would go past the limits: one pass over the file, with what entities expand to
// counted as it comes, so that the parser's recursion never goes deeper than the limit.
class BoundedXmlReader : public QXmlSimpleReader {
public:
    // Parses the device from where it stands into `document`, as setContent(device) does.
    // False when the parse fails or would go past `limits` (then `overLimits` is set); the
    // document is then incomplete.
    static bool readDocument(QIODevice *device, QDomDocument *document, const XmlLimits &limits,
                             bool *overLimits = nullptr);

    BoundedXmlReader(const XmlLimits &limits, WatchedInputSource *source);

    void setContentHandler(QXmlContentHandler *handler) override;
    void setLexicalHandler(QXmlLexicalHandler *handler) override;
    void setDeclHandler(QXmlDeclHandler *handler) override;
    void setDTDHandler(QXmlDTDHandler *handler) override;

private:
    CountingXmlHandler counter;
};

QT_WARNING_POP

#endif // BOUNDEDXMLREADER_H
