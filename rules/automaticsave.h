#ifndef AUTOMATICSAVE_H
#define AUTOMATICSAVE_H

#include <QObject>
#include <QString>
#include <QThread>
#include <QTimer>

class Adventure;

// Keeps an adventure in its book's automatic save as it goes. The files are written on a
// thread of their own, so that play never waits for the disk: a change is written at once,
// or once the write under way is over, only the latest of those made meanwhile, and each
// file is whole at every moment. After each write the thread rests twice as long as it
// wrote, so that however fast the presses come it takes at most a third of a core from play.
// An adventure that has ended has its automatic save removed, so that it is not offered
// again.
class AutomaticSave : public QObject {
    Q_OBJECT

public:
    // `adventure` must outlive this.
    explicit AutomaticSave(const Adventure *adventure, QObject *parent = nullptr);
    // Waits for the latest state to be written.
    ~AutomaticSave() override;

    // The book played, read anew: the hash of its text is made on the writing thread at the
    // first write.
    void setBook(const QString &bookPath);
    // The adventure changed: nothing is written before it has a step.
    void changed();
    // Waits until the latest state is written.
    void flush();

Q_SIGNALS:
    // A write failed after one that did not, or as the first: said once for a run of failures.
    void failed(const QString &reason);

private:
    void writeLatest(bool wait);
    void finished(const QString &error, qint64 milliseconds);
    void keepHash(const QString &bookPath, const QString &bookHash);
    void report(const QString &error);

    const Adventure *m_adventure;
    QString m_bookPath;
    QString m_bookHash;
    QThread m_thread;
    QObject *m_worker; // lives in m_thread, which runs the writes posted to it
    QTimer m_rest;
    bool m_writing = false;
    bool m_pending = false;
    bool m_failing = false;
};

#endif // AUTOMATICSAVE_H
