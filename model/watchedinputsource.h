#ifndef WATCHEDINPUTSOURCE_H
#define WATCHEDINPUTSOURCE_H

#include <QString>
#include <QXmlInputSource>

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED // the parser of Qt 5 reads through these SAX classes

// The characters of a device as the parser reads them, one call per character. The plain
// source decodes the file in blocks and hands them out itself; this one takes each decoded
// block as the plain source gets it and hands out its characters in the very same way, with
// no call into the plain source per character, which would cost a third of the parse.
//
// It bounds the parentheses of the document type's declarations: the parser recurses once
// per level of a content model, with no event that could be counted, so past the limit
// the source ends as if the file did, which fails the parse.
class WatchedInputSource : public QXmlInputSource {
public:
    explicit WatchedInputSource(QIODevice *device);

    using QXmlInputSource::setData;
    void setData(const QString &data) override;
    QChar next() override;
    void reset() override;

    // From now on, at most `limit` parentheses open within one declaration; -1 for no limit.
    void limitNesting(int limit);
    // True once the source ended early, its parentheses nested too deep.
    bool nestedTooDeep() const;

private:
    // Counts the parentheses of a declaration; the end of the document past the limit.
    QChar followNesting(QChar character);

    QString block;
    const QChar *position = nullptr;
    const QChar *blockEnd = nullptr;
    // As the plain source: the end of a block is reported once, then the next block fetched.
    bool endOfDataReported = true;
    int nestingLimit = -1;
    // Parentheses open since the last '<' or '>', which bound every declaration.
    int nesting = 0;
    bool ended = false;
};

QT_WARNING_POP

#endif // WATCHEDINPUTSOURCE_H
