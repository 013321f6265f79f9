#include "countingxmlhandler.h"

#include "watchedinputsource.h"

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

CountingXmlHandler::CountingXmlHandler(const XmlLimits &limits, WatchedInputSource *source)
    : limits(limits)
    , source(source)
{
}

void CountingXmlHandler::passContentTo(QXmlContentHandler *handler)
{
    content = handler;
}

void CountingXmlHandler::passLexicalEventsTo(QXmlLexicalHandler *handler)
{
    lexical = handler;
}

void CountingXmlHandler::passDeclarationsTo(QXmlDeclHandler *handler)
{
    declarations = handler;
}

void CountingXmlHandler::passDtdEventsTo(QXmlDTDHandler *handler)
{
    dtd = handler;
}

bool CountingXmlHandler::overLimits() const
{
    return exceeded || (source && source->nestedTooDeep());
}

bool CountingXmlHandler::admit(qint64 nodes, qint64 characters)
{
    nodeCount += nodes;
    characterCount += characters;
    exceeded = exceeded || depth > limits.depth || nodeCount > limits.nodes || characterCount > limits.characters;
    return !exceeded;
}

void CountingXmlHandler::setDocumentLocator(QXmlLocator *locator)
{
    if (content)
        content->setDocumentLocator(locator);
}

bool CountingXmlHandler::startDocument()
{
    depth = 0;
    childCounts.clear();
    nodeCount = 0;
    characterCount = 0;
    exceeded = false;
    return !content || content->startDocument();
}

bool CountingXmlHandler::endDocument()
{
    return !content || content->endDocument();
}

bool CountingXmlHandler::startPrefixMapping(const QString &prefix, const QString &uri)
{
    return !content || content->startPrefixMapping(prefix, uri);
}

bool CountingXmlHandler::endPrefixMapping(const QString &prefix)
{
    return !content || content->endPrefixMapping(prefix);
}

bool CountingXmlHandler::startElement(const QString &namespaceUri, const QString &localName,
                                      const QString &qualifiedName, const QXmlAttributes &attributes)
{
    ++depth;
    exceeded = exceeded || (childCounts.size() >= 2 && ++childCounts.last() > limits.childElements);
    childCounts.append(0);
    qint64 characters = qualifiedName.size();
    for (int index = 0; index < attributes.length(); ++index)
        characters += attributes.qName(index).size() + attributes.value(index).size();
    return admit(1 + attributes.length(), characters) &&
        (!content || content->startElement(namespaceUri, localName, qualifiedName, attributes));
}

bool CountingXmlHandler::endElement(const QString &namespaceUri, const QString &localName, const QString &qualifiedName)
{
    --depth;
    if (!childCounts.isEmpty())
        childCounts.removeLast();
    return !content || content->endElement(namespaceUri, localName, qualifiedName);
}

bool CountingXmlHandler::characters(const QString &text)
{
    return admit(1, text.size()) && (!content || content->characters(text));
}

bool CountingXmlHandler::ignorableWhitespace(const QString &text)
{
    return !content || content->ignorableWhitespace(text);
}

bool CountingXmlHandler::processingInstruction(const QString &target, const QString &data)
{
    return admit(1, target.size() + data.size()) && (!content || content->processingInstruction(target, data));
}

bool CountingXmlHandler::skippedEntity(const QString &name)
{
    return admit(1, name.size()) && (!content || content->skippedEntity(name));
}

bool CountingXmlHandler::startDTD(const QString &name, const QString &publicId, const QString &systemId)
{
    if (source)
        source->limitNesting(limits.depth);
    return !lexical || lexical->startDTD(name, publicId, systemId);
}

bool CountingXmlHandler::endDTD()
{
    if (source)
        source->limitNesting(-1);
    return !lexical || lexical->endDTD();
}

bool CountingXmlHandler::startEntity(const QString &name)
{
    return !lexical || lexical->startEntity(name);
}

bool CountingXmlHandler::endEntity(const QString &name)
{
    return !lexical || lexical->endEntity(name);
}

bool CountingXmlHandler::startCDATA()
{
    return !lexical || lexical->startCDATA();
}

bool CountingXmlHandler::endCDATA()
{
    return !lexical || lexical->endCDATA();
}

bool CountingXmlHandler::comment(const QString &text)
{
    return admit(1, text.size()) && (!lexical || lexical->comment(text));
}

bool CountingXmlHandler::attributeDecl(const QString &elementName, const QString &attributeName, const QString &type,
                                       const QString &valueDefault, const QString &value)
{
    return !declarations || declarations->attributeDecl(elementName, attributeName, type, valueDefault, value);
}

bool CountingXmlHandler::internalEntityDecl(const QString &name, const QString &value)
{
    return !declarations || declarations->internalEntityDecl(name, value);
}

bool CountingXmlHandler::externalEntityDecl(const QString &name, const QString &publicId, const QString &systemId)
{
    return admit(1, name.size() + publicId.size() + systemId.size()) &&
        (!declarations || declarations->externalEntityDecl(name, publicId, systemId));
}

bool CountingXmlHandler::notationDecl(const QString &name, const QString &publicId, const QString &systemId)
{
    return admit(1, name.size() + publicId.size() + systemId.size()) &&
        (!dtd || dtd->notationDecl(name, publicId, systemId));
}

bool CountingXmlHandler::unparsedEntityDecl(const QString &name, const QString &publicId, const QString &systemId,
                                            const QString &notationName)
{
    return admit(1, name.size() + publicId.size() + systemId.size() + notationName.size()) &&
        (!dtd || dtd->unparsedEntityDecl(name, publicId, systemId, notationName));
}

QString CountingXmlHandler::errorString() const
{
    if (exceeded)
        return QStringLiteral("the document goes past the limits of the parser");
    return content ? content->errorString() : QXmlDefaultHandler::errorString();
}

QT_WARNING_POP
