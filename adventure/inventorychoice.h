#ifndef INVENTORYCHOICE_H
#define INVENTORYCHOICE_H

#include <QDialog>
#include <QList>

class CombatItem;
class Ui_InventoryChoice;

// Lets the reader pick one object from a list: the object to give up in an exchange, or
// the weapon or armour to fight with. exec() returns the 1-based position of the item
// chosen with "Valider", or 0 when the dialog is closed any other way.
class InventoryChoice : public QDialog {
    Q_OBJECT

public:
    explicit InventoryChoice(QWidget *parent = nullptr);
    ~InventoryChoice() override;

    // `kind` completes the heading "l'…"; the items stay the caller's.
    void setItems(const QString &kind, const QList<CombatItem *> &items);
    // The item of the last selected row, even when the dialog was closed without "Valider";
    // null when no row was ever selected.
    CombatItem *chosenItem() const;

private Q_SLOTS:
    void changedSelection();
    void validation();

private:
    Ui_InventoryChoice *ui;
    QList<CombatItem *> items;
    CombatItem *chosen = nullptr;
    int chosenIndex = 0;
};

#endif // INVENTORYCHOICE_H
