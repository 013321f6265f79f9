#include "readaloud.h"

#include "speechengine.h"
#include "systemspeech.h"

#include <QAction>

ReadAloud::ReadAloud(std::function<QStringList()> texts, QObject *parent)
    : QObject(parent)
    , texts(std::move(texts))
    , m_action(new QAction(tr("Lire à voix haute"), this))
{
    m_action->setObjectName(QStringLiteral("actionLireAVoixHaute"));
    m_action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    connect(m_action, &QAction::triggered, this, &ReadAloud::toggle);
    setEngine(new SystemSpeech);
}

QAction *ReadAloud::action() const
{
    return m_action;
}

void ReadAloud::setEngine(SpeechEngine *newEngine)
{
    stop();
    delete engine;
    engine = newEngine;
    engine->setParent(this);
    connect(engine, &SpeechEngine::spoken, this, &ReadAloud::sayNext);
    connect(engine, &SpeechEngine::failed, this, &ReadAloud::showAvailability);
    showAvailability();
}

void ReadAloud::stop()
{
    waiting.clear();
    if (reading && engine)
        engine->stop();
    reading = false;
}

void ReadAloud::toggle()
{
    if (reading) {
        stop();
        return;
    }
    waiting = texts();
    waiting.removeAll(QString());
    reading = true;
    sayNext();
}

void ReadAloud::sayNext()
{
    if (waiting.isEmpty()) {
        reading = false;
        return;
    }
    engine->say(waiting.takeFirst());
}

void ReadAloud::showAvailability()
{
    const QString reason = engine->unavailableReason();
    if (!reason.isEmpty())
        stop();
    m_action->setEnabled(reason.isEmpty());
    m_action->setToolTip(reason.isEmpty() ? tr("Lit le paragraphe, puis les boutons ; un second appui arrête.")
                                          : reason);
}
