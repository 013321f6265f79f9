#include "automaticsave.h"

#include "adventure.h"
#include "savedadventure.h"
#include "savestore.h"

namespace {

// One write, or the removal of an ended adventure's save. Building it only copies the
// adventure's implicitly shared lists; the JSON is made on the writing thread.
struct Job {
    QString path;
    bool remove = false;
    SavedAdventure saved;

    QString perform() const
    {
        QString error;
        const bool done = remove ? SaveStore::remove(path, &error) : SaveStore::write(path, saved, &error);
        return done ? QString() : error;
    }
};

} // namespace

AutomaticSave::AutomaticSave(const Adventure *adventure, QObject *parent)
    : QObject(parent)
    , m_adventure(adventure)
    , m_worker(new QObject)
{
    m_worker->moveToThread(&m_thread);
    m_thread.start();
}

AutomaticSave::~AutomaticSave()
{
    flush();
    m_thread.quit();
    m_thread.wait();
    delete m_worker;
}

void AutomaticSave::setBook(const QString &bookPath, const QString &bookHash)
{
    m_bookPath = bookPath;
    m_bookHash = bookHash;
}

void AutomaticSave::changed()
{
    if (m_adventure->steps() == 0 || m_bookPath.isEmpty())
        return;
    m_pending = true;
    if (!m_writing)
        writeLatest(false);
}

void AutomaticSave::flush()
{
    if (m_pending)
        writeLatest(true);
    else if (m_writing)
        QMetaObject::invokeMethod(
            m_worker, [] {}, Qt::BlockingQueuedConnection);
}

void AutomaticSave::writeLatest(bool wait)
{
    m_pending = false;
    Job job;
    job.path = SaveStore::automaticPath(m_bookPath);
    job.remove = m_adventure->hasEnded();
    if (!job.remove)
        job.saved = SavedAdventure::of(*m_adventure, m_bookPath, m_bookHash);
    if (wait) {
        // After the write under way, which the thread takes first.
        QString error;
        QMetaObject::invokeMethod(
            m_worker, [&error, &job] { error = job.perform(); }, Qt::BlockingQueuedConnection);
        report(error);
        return;
    }
    m_writing = true;
    QMetaObject::invokeMethod(
        m_worker,
        [this, job] {
            const QString error = job.perform();
            QMetaObject::invokeMethod(
                this, [this, error] { finished(error); }, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void AutomaticSave::finished(const QString &error)
{
    m_writing = false;
    report(error);
    if (m_pending)
        writeLatest(false);
}

void AutomaticSave::report(const QString &error)
{
    if (error.isEmpty()) {
        m_failing = false;
    } else if (!m_failing) {
        m_failing = true;
        Q_EMIT failed(error);
    }
}
