#ifndef COUNTINGXMLHANDLER_H
#define COUNTINGXMLHANDLER_H

#include "xmllimits.h"

#include <QVector>
#include <QXmlDefaultHandler>

class WatchedInputSource;

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED // QDomDocument of Qt 5 parses with these SAX classes

// Stands between the parser and the handler that reads the document: passes every event
// on while counting the depth, nodes and characters they make, entities expanded, and
// refuses the first event past a limit, which stops the parse before the handler sees it.
class CountingXmlHandler : public QXmlDefaultHandler {
public:
    // `source` is what the parser reads, watched to bound the nesting of the document type's
    // declarations.
    CountingXmlHandler(const XmlLimits &limits, WatchedInputSource *source);

    // The handlers that receive the events. A missing one lets its events pass unseen.
    void passContentTo(QXmlContentHandler *handler);
    void passLexicalEventsTo(QXmlLexicalHandler *handler);
    void passDeclarationsTo(QXmlDeclHandler *handler);
    void passDtdEventsTo(QXmlDTDHandler *handler);

    // True when the last parse stopped at a limit.
    bool overLimits() const;

    void setDocumentLocator(QXmlLocator *locator) override;
    bool startDocument() override;
    bool endDocument() override;
    bool startPrefixMapping(const QString &prefix, const QString &uri) override;
    bool endPrefixMapping(const QString &prefix) override;
    bool startElement(const QString &namespaceUri, const QString &localName, const QString &qualifiedName,
                      const QXmlAttributes &attributes) override;
    bool endElement(const QString &namespaceUri, const QString &localName, const QString &qualifiedName) override;
    bool characters(const QString &text) override;
    bool ignorableWhitespace(const QString &text) override;
    bool processingInstruction(const QString &target, const QString &data) override;
    bool skippedEntity(const QString &name) override;

    bool startDTD(const QString &name, const QString &publicId, const QString &systemId) override;
    bool endDTD() override;
    bool startEntity(const QString &name) override;
    bool endEntity(const QString &name) override;
    bool startCDATA() override;
    bool endCDATA() override;
    bool comment(const QString &text) override;

    bool attributeDecl(const QString &elementName, const QString &attributeName, const QString &type,
                       const QString &valueDefault, const QString &value) override;
    bool internalEntityDecl(const QString &name, const QString &value) override;
    bool externalEntityDecl(const QString &name, const QString &publicId, const QString &systemId) override;

    bool notationDecl(const QString &name, const QString &publicId, const QString &systemId) override;
    bool unparsedEntityDecl(const QString &name, const QString &publicId, const QString &systemId,
                            const QString &notationName) override;

    QString errorString() const override;

private:
    // Adds what an event makes; false when that takes the document past a limit.
    bool admit(qint64 nodes, qint64 characters);

    XmlLimits limits;
    int depth = 0;
    // The child elements of each element open, outermost first.
    QVector<int> childCounts;
    qint64 nodeCount = 0;
    qint64 characterCount = 0;
    bool exceeded = false;
    WatchedInputSource *source;
    QXmlContentHandler *content = nullptr;
    QXmlLexicalHandler *lexical = nullptr;
    QXmlDeclHandler *declarations = nullptr;
    QXmlDTDHandler *dtd = nullptr;
};

QT_WARNING_POP

#endif // COUNTINGXMLHANDLER_H
