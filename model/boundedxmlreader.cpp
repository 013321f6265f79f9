#include "boundedxmlreader.h"

#include "watchedinputsource.h"

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

bool BoundedXmlReader::read(QIODevice *device, QXmlDefaultHandler *handler, const XmlLimits &limits, bool *overLimits)
{
    WatchedInputSource source(device);
    BoundedXmlReader reader(limits, &source);
    // The handlers QDomDocument::setContent gives its parser, all one object.
    reader.setContentHandler(handler);
    reader.setErrorHandler(handler);
    reader.setLexicalHandler(handler);
    reader.setDeclHandler(handler);
    reader.setDTDHandler(handler);
    const bool parsed = reader.parse(&source);
    if (overLimits)
        *overLimits = reader.overLimits();
    return parsed;
}

BoundedXmlReader::BoundedXmlReader(const XmlLimits &limits, WatchedInputSource *source)
    : counter(limits, source)
{
    // The features QDomDocument sets on its own parser when it processes no namespaces;
    // any other choice reads another document.
    setFeature(QStringLiteral("http://xml.org/sax/features/namespaces"), false);
    setFeature(QStringLiteral("http://xml.org/sax/features/namespace-prefixes"), true);
    setFeature(QStringLiteral("http://trolltech.com/xml/features/report-whitespace-only-CharData"), false);
    QXmlSimpleReader::setContentHandler(&counter);
    QXmlSimpleReader::setLexicalHandler(&counter);
    QXmlSimpleReader::setDeclHandler(&counter);
    QXmlSimpleReader::setDTDHandler(&counter);
}

bool BoundedXmlReader::overLimits() const
{
    return counter.overLimits();
}

void BoundedXmlReader::setContentHandler(QXmlContentHandler *handler)
{
    counter.passContentTo(handler);
}

void BoundedXmlReader::setLexicalHandler(QXmlLexicalHandler *handler)
{
    counter.passLexicalEventsTo(handler);
}

void BoundedXmlReader::setDeclHandler(QXmlDeclHandler *handler)
{
    counter.passDeclarationsTo(handler);
}

void BoundedXmlReader::setDTDHandler(QXmlDTDHandler *handler)
{
    counter.passDtdEventsTo(handler);
}

QT_WARNING_POP
