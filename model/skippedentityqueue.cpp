#include "skippedentityqueue.h"

#include "watchedinputsource.h"

#include <QXmlContentHandler>

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

SkippedEntityQueue::SkippedEntityQueue(WatchedInputSource *source)
    : source(source)
{
}

void SkippedEntityQueue::setLocator(QXmlLocator *newLocator)
{
    locator = newLocator;
}

void SkippedEntityQueue::clear()
{
    held.clear();
}

bool SkippedEntityQueue::hold(const QString &name, QXmlContentHandler *receiver)
{
    // Markup opened since the last reference: that one stood in content.
    if (source && source->markupOpenedSinceMark() && !passOn(receiver))
        return false;
    held.append(Reference { name, lineNumber(), columnNumber() });
    if (source)
        source->mark();
    return true;
}

bool SkippedEntityQueue::release(bool elementStarts, QXmlContentHandler *receiver)
{
    if (held.isEmpty())
        return true;
    const QChar last = source ? source->lastRead() : QChar();
    const bool inAttributes = elementStarts && source && source->readSinceMark() && !source->markupOpenedSinceMark() &&
        (last == QLatin1Char('>') || last == QLatin1Char('/'));
    if (inAttributes) {
        held.clear();
        return true;
    }
    return passOn(receiver);
}

bool SkippedEntityQueue::passOn(QXmlContentHandler *receiver)
{
    const QList<Reference> references = held;
    held.clear();
    bool accepted = true;
    for (const Reference &reference : references) {
        passing = &reference;
        accepted = !receiver || receiver->skippedEntity(reference.name);
        passing = nullptr;
        if (!accepted)
            break;
    }
    return accepted;
}

int SkippedEntityQueue::columnNumber() const
{
    if (passing)
        return passing->column;
    return locator ? locator->columnNumber() : 0;
}

int SkippedEntityQueue::lineNumber() const
{
    if (passing)
        return passing->line;
    return locator ? locator->lineNumber() : 0;
}

QT_WARNING_POP
