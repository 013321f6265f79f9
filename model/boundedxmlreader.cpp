#include "boundedxmlreader.h"

#include "watchedinputsource.h"

#include <QDomDocument>

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

bool BoundedXmlReader::readDocument(QIODevice *device, QDomDocument *document, const XmlLimits &limits,
                                    bool *overLimits)
{
    WatchedInputSource source(device);
    BoundedXmlReader reader(limits, &source);
    const bool parsed = document->setContent(&source, &reader);
    if (overLimits)
        *overLimits = reader.counter.overLimits();
    return parsed;
}

BoundedXmlReader::BoundedXmlReader(const XmlLimits &limits, WatchedInputSource *source)
    : counter(limits, source)
{
    // The features QDomDocument sets on its own parser when it processes no namespaces;
    // any other choice gives another document.
    setFeature(QStringLiteral("http://xml.org/sax/features/namespaces"), false);
    setFeature(QStringLiteral("http://xml.org/sax/features/namespace-prefixes"), true);
    setFeature(QStringLiteral("http://trolltech.com/xml/features/report-whitespace-only-CharData"), false);
    QXmlSimpleReader::setContentHandler(&counter);
    QXmlSimpleReader::setLexicalHandler(&counter);
    QXmlSimpleReader::setDeclHandler(&counter);
    QXmlSimpleReader::setDTDHandler(&counter);
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
