#ifndef JOURNALDIALOG_H
#define JOURNALDIALOG_H

#include "adventure.h"

#include <QDialog>
#include <QList>

class Ui_JournalDialog;

// The screens of an adventure in order, each by its paragraph and first words, the one on
// show in bold and those ahead of it greyed; "Revenir ici" returns to the one selected.
class JournalDialog : public QDialog {
    Q_OBJECT

public:
    JournalDialog(const QList<Adventure::JournalEntry> &entries, int currentStep, QWidget *parent = nullptr);
    ~JournalDialog() override;

    // The step to return to, once the dialog is accepted.
    int chosenStep() const;

private Q_SLOTS:
    void changedSelection();
    void returnHere();

private:
    Ui_JournalDialog *ui;
    QList<Adventure::JournalEntry> entries;
    int current = 0;
};

#endif // JOURNALDIALOG_H
