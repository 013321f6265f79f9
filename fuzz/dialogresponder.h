#ifndef DIALOGRESPONDER_H
#define DIALOGRESPONDER_H

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QTimer>

class DecisionStream;
class QAbstractButton;
class QDialog;

// Answers every modal dialog as it opens, from a timer that looks at the active modal
// widget: selects a row of its list, if it has one, and clicks one of its visible enabled
// buttons, both chosen by the next decisions (0 clicks the default button). The click is delivered from the event loop,
// so that a dialog it opens is answered in turn. Past `maximumAnswers` answers or the time
// limit, every dialog is rejected instead, so that no input keeps the target waiting.
class DialogResponder : public QObject {
    Q_OBJECT

public:
    DialogResponder(DecisionStream *decisions, int maximumAnswers, int timeLimitMilliseconds);

private Q_SLOTS:
    void poll();

private:
    void answer(QDialog *dialog);
    static QAbstractButton *defaultButton(const QList<QAbstractButton *> &buttons);

    DecisionStream *decisions;
    int answersLeft;
    int timeLimit;
    QTimer timer;
    QElapsedTimer clock;
    // An answer is on its way: the dialog on screen is the one it goes to.
    bool answering = false;
};

#endif // DIALOGRESPONDER_H
