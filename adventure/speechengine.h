#ifndef SPEECHENGINE_H
#define SPEECHENGINE_H

#include <QObject>
#include <QString>

// Something that reads texts aloud, one at a time: the system's speech synthesis, or a
// stand-in that tests listen to.
class SpeechEngine : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Empty when texts can be read; otherwise why not, for the reader.
    virtual QString unavailableReason() const = 0;
    // Reads `text`, in place of any text being read; `spoken` follows its end.
    virtual void say(const QString &text) = 0;
    // Stops reading, without `spoken`.
    virtual void stop() = 0;

Q_SIGNALS:
    void spoken();
    // The engine turned out unable to read; unavailableReason says why.
    void failed();
};

#endif // SPEECHENGINE_H
