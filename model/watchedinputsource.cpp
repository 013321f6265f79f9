#include "watchedinputsource.h"

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

WatchedInputSource::WatchedInputSource(QIODevice *device)
    : QXmlInputSource(device)
{
}

QChar WatchedInputSource::next()
{
    last = ended ? QChar(EndOfDocument) : QXmlInputSource::next();
    ++readCount;
    if (last.unicode() == '<')
        lastOpening = readCount;
    if (nestingLimit >= 0)
        followNesting();
    return last;
}

void WatchedInputSource::followNesting()
{
    switch (last.unicode()) {
    case '<':
    case '>':
        nesting = 0;
        break;
    case '(':
        ended = ++nesting > nestingLimit;
        break;
    case ')':
        nesting = qMax(0, nesting - 1);
        break;
    }
    if (ended)
        last = QChar(EndOfDocument);
}

void WatchedInputSource::limitNesting(int limit)
{
    nestingLimit = limit;
    nesting = 0;
}

bool WatchedInputSource::nestedTooDeep() const
{
    return ended;
}

void WatchedInputSource::mark()
{
    markCount = readCount;
}

bool WatchedInputSource::readSinceMark() const
{
    return readCount > markCount;
}

bool WatchedInputSource::markupOpenedSinceMark() const
{
    return lastOpening > markCount;
}

QChar WatchedInputSource::lastRead() const
{
    return last;
}

QT_WARNING_POP
