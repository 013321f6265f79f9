#ifndef BOUNDEDXMLREADER_H
#define BOUNDEDXMLREADER_H

#include "countingxmlhandler.h"
#include "xmllimits.h"

#include <QXmlSimpleReader>

class QIODevice;
class WatchedInputSource;

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED // the parser of Qt 5 reads through these SAX classes

// The parser that QDomDocument::setContent(QIODevice *) builds for itself, with the same
// features, so that it accepts and refuses the very files QtXml's DOM does; its events
// reach the handlers given to it through a CountingXmlHandler, and the parse fails as soon
// as the document would go past the limits: one pass over the file, with what entities
// expand to counted as it comes, so that the parser's recursion never goes deeper than the
// limit.
class BoundedXmlReader : public QXmlSimpleReader {
public:
    // Parses the device from where it stands, every event going to `handler` as the DOM's
    // builder takes them. False when the parse fails or would go past `limits` (then
    // `overLimits` is set).
    static bool read(QIODevice *device, QXmlDefaultHandler *handler, const XmlLimits &limits,
                     bool *overLimits = nullptr);

    // `source` is the source the parse reads.
    BoundedXmlReader(const XmlLimits &limits, WatchedInputSource *source);

    // True when the last parse stopped at a limit.
    bool overLimits() const;

    void setContentHandler(QXmlContentHandler *handler) override;
    void setLexicalHandler(QXmlLexicalHandler *handler) override;
    void setDeclHandler(QXmlDeclHandler *handler) override;
    void setDTDHandler(QXmlDTDHandler *handler) override;

private:
    CountingXmlHandler counter;
};

QT_WARNING_POP

#endif // BOUNDEDXMLREADER_H
