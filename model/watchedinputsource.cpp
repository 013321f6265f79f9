#include "watchedinputsource.h"

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

WatchedInputSource::WatchedInputSource(QIODevice *device)
    : QXmlInputSource(device)
{
}

// The plain source's fetchData() decodes each block into this call.
void WatchedInputSource::setData(const QString &data)
{
    QXmlInputSource::setData(data);
    block = data;
    position = block.constData();
    blockEnd = position + block.size();
    endOfDataReported = false;
}

QChar WatchedInputSource::next()
{
    if (ended)
        return QChar(EndOfDocument);
    if (position == blockEnd) {
        if (!endOfDataReported) {
            endOfDataReported = true;
            return QChar(EndOfData);
        }
        fetchData();
        return position == blockEnd ? QChar(EndOfDocument) : next();
    }
    QChar character = *position++;
    if (character.unicode() == EndOfData)
        character = QChar(EndOfDocument); // a character the parser would take for the end of a block
    return nestingLimit < 0 ? character : followNesting(character);
}

void WatchedInputSource::reset()
{
    QXmlInputSource::reset();
    position = block.constData();
    endOfDataReported = false;
}

QChar WatchedInputSource::followNesting(QChar character)
{
    switch (character.unicode()) {
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
    return ended ? QChar(EndOfDocument) : character;
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

QT_WARNING_POP
