#include "automaticsave.h"

#include "adventure.h"
#include "savedadventure.h"
#include "savestore.h"

#include <QElapsedTimer>

namespace {

// One write, or the removal of an ended adventure's save. Building it only copies the
// adventure's implicitly shared lists; the JSON is made on the writing thread.
struct Job {
    QString path;
    QString bookPath;
    bool remove = false;
    SavedAdventure saved;

    QString perform()
    {
        QString error;
        if (!remove && saved.bookHash.isEmpty())
            saved.bookHash = SaveStore::hashOfBook(bookPath);
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
    m_rest.setSingleShot(true);
    connect(&m_rest, &QTimer::timeout, this, [this] {
        if (m_pending)
            writeLatest(false);
    });
}

AutomaticSave::~AutomaticSave()
{
    flush();
    m_thread.quit();
    m_thread.wait();
    delete m_worker;
}

void AutomaticSave::setBook(const QString &bookPath)
{
    m_bookPath = bookPath;
    m_bookHash.clear();
}

void AutomaticSave::keepHash(const QString &bookPath, const QString &bookHash)
{
    if (bookPath == m_bookPath && m_bookHash.isEmpty())
        m_bookHash = bookHash;
}

void AutomaticSave::changed()
{
    if (m_adventure->steps() == 0 || m_bookPath.isEmpty())
        return;
    m_pending = true;
    if (!m_writing && !m_rest.isActive())
        writeLatest(false);
}

void AutomaticSave::flush()
{
    m_rest.stop();
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
    job.bookPath = m_bookPath;
    job.remove = m_adventure->hasEnded();
    if (!job.remove)
        job.saved = SavedAdventure::of(*m_adventure, m_bookPath, m_bookHash);
    if (wait) {
        // After the write under way, which the thread takes first.
        QString error;
        QMetaObject::invokeMethod(
            m_worker, [&error, &job] { error = job.perform(); }, Qt::BlockingQueuedConnection);
        keepHash(job.bookPath, job.saved.bookHash);
        report(error);
        return;
    }
    m_writing = true;
    QMetaObject::invokeMethod(
        m_worker,
        [this, job]() mutable {
            QElapsedTimer clock;
            clock.start();
            const QString error = job.perform();
            const qint64 milliseconds = clock.elapsed();
            QMetaObject::invokeMethod(
                this,
                [this, error, milliseconds, bookPath = job.bookPath, bookHash = job.saved.bookHash] {
                    keepHash(bookPath, bookHash);
                    finished(error, milliseconds);
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void AutomaticSave::finished(const QString &error, qint64 milliseconds)
{
    m_writing = false;
    report(error);
    m_rest.start(int(qMin<qint64>(2 * milliseconds, 60000)));
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
