#ifndef WATCHEDINPUTSOURCE_H
#define WATCHEDINPUTSOURCE_H

#include <QXmlInputSource>

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED // QDomDocument of Qt 5 parses with these SAX classes

// The characters of a device as the parser reads them, one by one, noting what it has
// read of the file itself since a mark (entity replacement texts never pass through here).
//
// It also bounds the parentheses of the document type's declarations: the parser recurses
// once per level of a content model, with no event that could be counted, so past the limit
// the source ends as if the file did, which fails the parse.
class WatchedInputSource : public QXmlInputSource {
public:
    explicit WatchedInputSource(QIODevice *device);

    QChar next() override;

    // From now on, at most `limit` parentheses open within one declaration; -1 for no limit.
    void limitNesting(int limit);
    // True once the source ended early, its parentheses nested too deep.
    bool nestedTooDeep() const;

    void mark();
    bool readSinceMark() const;
    // A '<' was read since the mark: markup began there.
    bool markupOpenedSinceMark() const;
    QChar lastRead() const;

private:
    // Counts the parentheses of a declaration and ends the source past the limit.
    void followNesting();

    // Positions counted in characters read: the last one, the last '<' and the mark.
    qint64 readCount = 0;
    qint64 lastOpening = -1;
    qint64 markCount = 0;
    QChar last;
    int nestingLimit = -1;
    // Parentheses open since the last '<' or '>', which bound every declaration.
    int nesting = 0;
    bool ended = false;
};

QT_WARNING_POP

#endif // WATCHEDINPUTSOURCE_H
