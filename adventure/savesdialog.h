#ifndef SAVESDIALOG_H
#define SAVESDIALOG_H

#include "savestore.h"

#include <QDialog>
#include <QList>
#include <QString>

class QTreeWidgetItem;
class Ui_SavesDialog;

// The named saves of one book, newest first, with their name, date, paragraph, ENDURANCE
// and gold: one can be taken up, renamed in place or deleted after a question. A save that
// cannot be read is listed with the reason, and can only be deleted.
class SavesDialog : public QDialog {
    Q_OBJECT

public:
    explicit SavesDialog(const QString &bookPath, QWidget *parent = nullptr);
    ~SavesDialog() override;

    // The save to take up, once the dialog is accepted.
    QString chosenPath() const;

private Q_SLOTS:
    void takeUp();
    void rename();
    void deleteSave();
    void renamed(QTreeWidgetItem *item, int column);
    void changedSelection();

private:
    void fill();
    // The save of the selected row; null when none is.
    const SaveStore::Entry *selected() const;

    Ui_SavesDialog *ui;
    QString bookPath;
    QList<SaveStore::Entry> entries;
    QString chosen;
};

#endif // SAVESDIALOG_H
