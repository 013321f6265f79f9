#include "systemspeech.h"

#include <QLocale>
#include <QTextToSpeech>

SystemSpeech::SystemSpeech(QObject *parent)
    : SpeechEngine(parent)
{
    if (QTextToSpeech::availableEngines().isEmpty())
        failure = tr("Aucune synthèse vocale n'est installée : installez speech-dispatcher ou flite et son module Qt.");
}

QString SystemSpeech::unavailableReason() const
{
    return failure;
}

void SystemSpeech::say(const QString &text)
{
    if (!failure.isEmpty())
        return;
    if (!speech) {
        const QStringList engines = QTextToSpeech::availableEngines();
        // speech-dispatcher speaks French where it has a voice for it; flite only English.
        speech = engines.contains(QStringLiteral("speechd")) ? new QTextToSpeech(QStringLiteral("speechd"), this)
                                                             : new QTextToSpeech(this);
        const QLocale french(QLocale::French, QLocale::France);
        if (speech->availableLocales().contains(french))
            speech->setLocale(french);
        connect(speech, &QTextToSpeech::stateChanged, this, &SystemSpeech::followState);
    }
    speaking = false;
    followState();
    if (!failure.isEmpty())
        return;
    speaking = true;
    heard = false;
    speech->say(text);
}

void SystemSpeech::stop()
{
    speaking = false;
    if (speech)
        speech->stop();
}

// A text is over when the engine, having spoken, is ready again; any state but ready,
// speaking or paused is the engine's failure.
void SystemSpeech::followState()
{
    switch (speech->state()) {
    case QTextToSpeech::Speaking:
        heard = true;
        break;
    case QTextToSpeech::Ready:
        if (speaking && heard) {
            speaking = false;
            Q_EMIT spoken();
        }
        break;
    case QTextToSpeech::Paused:
        break;
    default:
        speaking = false;
        failure = tr("La synthèse vocale ne répond pas.");
        Q_EMIT failed();
        break;
    }
}
