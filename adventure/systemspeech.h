#ifndef SYSTEMSPEECH_H
#define SYSTEMSPEECH_H

#include "speechengine.h"

class QTextToSpeech;

// Reads aloud through Qt's text-to-speech, with the engine the system offers
// (speech-dispatcher, or flite), in French where the engine has a French voice. The engine
// is started at the first text, since starting it may take a moment.
class SystemSpeech : public SpeechEngine {
    Q_OBJECT

public:
    explicit SystemSpeech(QObject *parent = nullptr);

    QString unavailableReason() const override;
    void say(const QString &text) override;
    void stop() override;

private:
    void followState();

    QTextToSpeech *speech = nullptr;
    // A text was handed to the engine, and the engine has begun to speak it.
    bool speaking = false;
    bool heard = false;
    QString failure;
};

#endif // SYSTEMSPEECH_H
