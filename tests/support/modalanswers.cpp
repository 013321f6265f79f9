#include "modalanswers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>

ModalAnswers::ModalAnswers(int timeLimitMilliseconds)
    : timeLimit(timeLimitMilliseconds)
{
    connect(&timer, &QTimer::timeout, this, &ModalAnswers::poll);
    timer.start(10);
    clock.start();
}

void ModalAnswers::thenFor(const QByteArray &className, const Answer &answer)
{
    answers.append(qMakePair(className, answer));
}

void ModalAnswers::alwaysFor(const QByteArray &className, const Answer &answer)
{
    standingAnswers.append(qMakePair(className, answer));
}

void ModalAnswers::acceptMessageBox(QString *title, QString *text)
{
    then<QMessageBox>([title, text](QMessageBox *box) {
        if (title)
            *title = box->windowTitle();
        if (text)
            *text = box->text();
        clickLater(box->button(QMessageBox::Ok));
    });
}

void ModalAnswers::acceptDice(QString *title)
{
    thenFor("LaunchDeuce", [title](QWidget *dialog) {
        if (title)
            *title = dialog->windowTitle();
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    });
}

bool ModalAnswers::allAnswered() const
{
    // Answers dropped at the time limit were not given.
    return answers.isEmpty() && !expired;
}

bool ModalAnswers::timedOut() const
{
    return expired;
}

void ModalAnswers::clickLater(QAbstractButton *button)
{
    if (button)
        QMetaObject::invokeMethod(button, "click", Qt::QueuedConnection);
}

void ModalAnswers::poll()
{
    if (clock.elapsed() > timeLimit) {
        expired = true;
        answers.clear();
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *dialog = qobject_cast<QDialog *>(widget); dialog && dialog->isVisible())
                dialog->reject();
        }
        return;
    }
    // Leave the event loop time to deliver the previous answer before giving the next.
    if (quietPolls > 0) {
        --quietPolls;
        return;
    }
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    Answer answer;
    if (!answers.isEmpty() && modal->inherits(answers.first().first.constData())) {
        answer = answers.takeFirst().second;
    } else {
        for (const auto &standing : qAsConst(standingAnswers)) {
            if (modal->inherits(standing.first.constData())) {
                answer = standing.second;
                break;
            }
        }
    }
    if (!answer)
        return;
    quietPolls = 2;
    answer(modal);
}
