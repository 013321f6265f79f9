#ifndef EXPLORATIONRECORDER_H
#define EXPLORATIONRECORDER_H

#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>

// Keeps the reader's exploration of one book as an adventure goes: the paragraphs read and
// the adventures begun are added to what the file holds a moment after they happen, in one
// small write for a burst of them, so that a paragraph switch costs no write of its own and
// two windows on one book add to each other rather than overwrite.
class ExplorationRecorder : public QObject {
    Q_OBJECT

public:
    // How long after a change the file is written.
    static constexpr int writeDelayMilliseconds = 1000;

    ExplorationRecorder(const QString &bookPath, QObject *parent);
    // Writes what is still waiting.
    ~ExplorationRecorder() override;

    void beginAdventure();
    void noteRead(const QString &id);
    void writeNow();

private:
    void changed();

    QString bookPath;
    // Already in the file, so that a paragraph read again is not written again.
    QSet<QString> known;
    QSet<QString> newlyRead;
    int newAdventures = 0;
    QTimer writeLater;
};

#endif // EXPLORATIONRECORDER_H
