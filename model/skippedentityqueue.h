#ifndef SKIPPEDENTITYQUEUE_H
#define SKIPPEDENTITYQUEUE_H

#include <QList>
#include <QString>
#include <QXmlLocator>

class WatchedInputSource;

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED // QDomDocument of Qt 5 parses with these SAX classes

class QXmlContentHandler;

// The parser reports a reference to an undeclared entity wherever it stands; the DOM,
// asking its own parser where it stood, keeps only those in content, as empty entity
// references, and ignores those in attribute values, the XML declaration and the document
// type. Inside the document element, a reference is held here until the next event tells
// where it stood: an attribute value's references are followed by the start of their
// element with no '<' read from the file in between, and that start comes right after the
// '>' or '/' that ends the tag. Until a reference is passed on, this locator gives the
// builder the position where it was reported.
//
// References in the replacement text of a declared entity leave no trace in the file; they
// are all passed on, as the DOM does for those in content.
class SkippedEntityQueue : public QXmlLocator {
public:
    explicit SkippedEntityQueue(WatchedInputSource *source);

    void setLocator(QXmlLocator *locator);
    void clear();

    // Holds a reference reported by the parser, passing on first those it now knows stood
    // in content. False when the receiver refuses one.
    bool hold(const QString &name, QXmlContentHandler *receiver);
    // Passes the held references on, unless `elementStarts` and the file shows that they
    // stood in the attribute values of that element. False when the receiver refuses one.
    bool release(bool elementStarts, QXmlContentHandler *receiver);

    int columnNumber() const override;
    int lineNumber() const override;

private:
    struct Reference {
        QString name;
        int line;
        int column;
    };

    bool passOn(QXmlContentHandler *receiver);

    WatchedInputSource *source;
    QXmlLocator *locator = nullptr;
    QList<Reference> held;
    const Reference *passing = nullptr;
};

QT_WARNING_POP

#endif // SKIPPEDENTITYQUEUE_H
