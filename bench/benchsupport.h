#ifndef BENCHSUPPORT_H
#define BENCHSUPPORT_H

#include <QElapsedTimer>
#include <QString>

class QTemporaryDir;
class gameBook;

// Shown offscreen unless the caller chose a platform, with the user's data and settings in a
// temporary folder; call before building the application.
void useOffscreenPlatform();

// "54.2 MB", "1.2 GB", ...
QString sizeText(qint64 bytes);

// Measures one step from its construction: elapsed time, and how far the resident memory
// rose above its level at the start, at its peak and at the end.
class Measure {
public:
    Measure();
    qint64 milliseconds() const { return clock.elapsed(); }
    // How far the resident memory rose above the start at its peak.
    qint64 peakBytes() const;
    // "1830 ms, peak RSS +1.2 GB, kept +300 MB".
    QString summary() const;

private:
    QElapsedTimer clock;
    qint64 startResident;
};

// Rolls the hero's starting scores, accepting each dice dialog as soon as it opens.
void rollHero(gameBook *window);

// Removes the widgets whose deletion was deferred, as the event loop would.
void deleteDeferred();

// Prints one figure line at once.
void report(const QString &line);

// True when the temporary folder the benchmark works in exists; says so otherwise.
bool workspaceReady(const QTemporaryDir &workspace);

#endif // BENCHSUPPORT_H
