#ifndef READALOUD_H
#define READALOUD_H

#include <QObject>
#include <QStringList>

#include <functional>

class QAction;
class SpeechEngine;

// "Lire à voix haute" (Ctrl+L): reads what the window shows, one text after the other
// (the paragraph, then the buttons' captions); a second press stops. Without a speech
// engine the action is disabled and its tooltip says why.
class ReadAloud : public QObject {
    Q_OBJECT

public:
    // `texts` gives what to read, in order, at each press.
    ReadAloud(std::function<QStringList()> texts, QObject *parent);

    QAction *action() const;
    // Reads through `engine` from now on; takes it.
    void setEngine(SpeechEngine *engine);
    void stop();

private:
    void toggle();
    void sayNext();
    void showAvailability();

    std::function<QStringList()> texts;
    SpeechEngine *engine = nullptr;
    QAction *m_action;
    QStringList waiting;
    bool reading = false;
};

#endif // READALOUD_H
