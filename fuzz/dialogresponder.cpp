#include "dialogresponder.h"

#include "decisionstream.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>

DialogResponder::DialogResponder(DecisionStream *decisions, int maximumAnswers, int timeLimitMilliseconds)
    : decisions(decisions)
    , answersLeft(maximumAnswers)
    , timeLimit(timeLimitMilliseconds)
{
    connect(&timer, &QTimer::timeout, this, &DialogResponder::poll);
    timer.start(0);
    clock.start();
}

void DialogResponder::poll()
{
    // The adventure window is modal too: only the dialogs over it are answered.
    auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget());
    if (answering || !modal)
        return;
    answering = true;
    const QPointer<QDialog> dialog(modal);
    QTimer::singleShot(0, this, [this, dialog] {
        answering = false;
        if (dialog)
            answer(dialog);
    });
}

QAbstractButton *DialogResponder::defaultButton(const QList<QAbstractButton *> &buttons)
{
    for (QAbstractButton *button : buttons) {
        if (auto *pushButton = qobject_cast<QPushButton *>(button); pushButton && pushButton->isDefault())
            return button;
    }
    return buttons.first();
}

void DialogResponder::answer(QDialog *dialog)
{
    QList<QAbstractButton *> buttons;
    for (QAbstractButton *button : dialog->findChildren<QAbstractButton *>()) {
        if (button->isVisibleTo(dialog) && button->isEnabled())
            buttons.append(button);
    }
    if (answersLeft <= 0 || clock.elapsed() > timeLimit || buttons.isEmpty()) {
        dialog->reject();
        return;
    }
    --answersLeft;
    if (auto *list = dialog->findChild<QListWidget *>(); list && list->count() > 0)
        list->setCurrentRow(decisions->next() % list->count());
    // Decision 0, which is also what is left once decisions run out, presses the button
    // Enter would press, so that the game goes on as a hurried reader would have it.
    const quint8 decision = decisions->next();
    QAbstractButton *pressed = decision == 0 ? defaultButton(buttons) : buttons.at((decision - 1) % buttons.size());
    pressed->click();
}
