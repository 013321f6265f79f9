#include "inventorychoice.h"

#include "combatitem.h"
#include "harringtonfont.h"
#include "ui_inventorychoice.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

InventoryChoice::InventoryChoice(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui_InventoryChoice)
{
    useHarringtonStandIns();
    ui->setupUi(this);
    connect(ui->tableObject, &QListWidget::itemSelectionChanged, this, &InventoryChoice::changedSelection);
    connect(ui->pb_Validate, &QPushButton::clicked, this, &InventoryChoice::validation);
    ui->pb_Validate->setEnabled(false);
}

InventoryChoice::~InventoryChoice()
{
    delete ui;
}

void InventoryChoice::setItems(const QString &kind, const QList<CombatItem *> &items)
{
    ui->lbl_Title_2->setText(tr("l'") + kind);
    this->items = items;
    for (const CombatItem *item : items)
        ui->tableObject->addItem(item->name());
}

CombatItem *InventoryChoice::chosenItem() const
{
    return chosen;
}

void InventoryChoice::changedSelection()
{
    const QList<QListWidgetItem *> selection = ui->tableObject->selectedItems();
    // A selection that became empty keeps the previous choice and the state of "Valider".
    if (selection.isEmpty())
        return;
    const QString name = selection.first()->text();
    // Rows with the same name all stand for the first item of that name.
    for (int index = 0; index < items.size(); ++index) {
        if (items.at(index)->name() == name) {
            chosenIndex = index;
            chosen = items.at(index);
            ui->pb_Validate->setEnabled(true);
            return;
        }
    }
}

void InventoryChoice::validation()
{
    done(chosenIndex + 1);
}
