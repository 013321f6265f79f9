#ifndef MODALANSWERS_H
#define MODALANSWERS_H

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPair>
#include <QTimer>

#include <functional>

class QAbstractButton;
class QWidget;

// Answers the modal dialogs that the code under test opens with exec(), in order, from a
// timer: each answer is given to the next active modal widget of its class. Answers must
// not block, so they press buttons with clickLater(). Past the time limit every dialog
// still open is rejected, so that a fault fails the test instead of hanging it.
class ModalAnswers : public QObject {
    Q_OBJECT

public:
    using Answer = std::function<void(QWidget *)>;

    explicit ModalAnswers(int timeLimitMilliseconds = 20000);

    template <typename Dialog> void then(std::function<void(Dialog *)> answer)
    {
        thenFor(Dialog::staticMetaObject.className(),
                [answer](QWidget *dialog) { answer(qobject_cast<Dialog *>(dialog)); });
    }
    void thenFor(const QByteArray &className, const Answer &answer);
    // Answers every dialog of that class for which no queued answer is waiting.
    void alwaysFor(const QByteArray &className, const Answer &answer);
    // Presses OK on the next message box, keeping its title and text.
    void acceptMessageBox(QString *title = nullptr, QString *text = nullptr);
    // Accepts the next dice dialog as it is, keeping the total it shows.
    void acceptDice(QString *title = nullptr);

    // True once every queued answer was given within the time limit.
    bool allAnswered() const;
    bool timedOut() const;

    // A press delivered from the event loop, so that a nested exec() does not block the answer.
    static void clickLater(QAbstractButton *button);

private Q_SLOTS:
    void poll();

private:
    QTimer timer;
    QElapsedTimer clock;
    int timeLimit;
    QList<QPair<QByteArray, Answer>> answers;
    QList<QPair<QByteArray, Answer>> standingAnswers;
    int quietPolls = 0;
    bool expired = false;
};

#endif // MODALANSWERS_H
