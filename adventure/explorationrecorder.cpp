#include "explorationrecorder.h"

#include "exploration.h"
#include "explorationstore.h"

ExplorationRecorder::ExplorationRecorder(const QString &bookPath, QObject *parent)
    : QObject(parent)
    , bookPath(bookPath)
    , known(ExplorationStore::read(bookPath).read)
{
    writeLater.setSingleShot(true);
    writeLater.setInterval(writeDelayMilliseconds);
    connect(&writeLater, &QTimer::timeout, this, &ExplorationRecorder::writeNow);
}

ExplorationRecorder::~ExplorationRecorder()
{
    writeNow();
}

void ExplorationRecorder::beginAdventure()
{
    ++newAdventures;
    changed();
}

void ExplorationRecorder::noteRead(const QString &id)
{
    if (known.contains(id) || newlyRead.contains(id) || id.size() > Exploration::maximumIdLength)
        return;
    newlyRead.insert(id);
    changed();
}

void ExplorationRecorder::changed()
{
    if (!writeLater.isActive())
        writeLater.start();
}

void ExplorationRecorder::writeNow()
{
    writeLater.stop();
    if (newlyRead.isEmpty() && newAdventures == 0)
        return;
    Exploration exploration = ExplorationStore::read(bookPath);
    for (const QString &id : qAsConst(newlyRead))
        exploration.noteRead(id);
    exploration.adventuresBegun = qMin(exploration.adventuresBegun + newAdventures, Exploration::maximumAdventures);
    exploration.lastPlayed = QDateTime::currentDateTime();
    if (ExplorationStore::write(bookPath, exploration)) {
        known = exploration.read;
        newlyRead.clear();
        newAdventures = 0;
    }
}
