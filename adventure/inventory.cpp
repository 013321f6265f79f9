// The carried objects: records in `inventory`, rows in `listEquipments`. Adding a name
// already carried replaces its record and adds a second row; removing drops the record
// and one row, so a row may outlive its record and then stands for an empty object.

#include "combatitem.h"
#include "gamebook.h"
#include "inventorychoice.h"
#include "ui_gamebook.h"

#include <QListWidget>

void gameBook::addObject(const GameObject &object)
{
    inventory.insert(object.name, object);
    ui->listEquipments->addItem(object.name);
}

void gameBook::removeObject(const QString &name)
{
    inventory.remove(name);
    for (int row = 0; row < ui->listEquipments->count(); ++row) {
        const QString text = ui->listEquipments->item(row)->text();
        if (!text.isEmpty() && text == name) {
            delete ui->listEquipments->takeItem(row);
            return;
        }
    }
}

// The reader gives up the object last selected, even when the dialog is closed without
// "Valider"; the new object is carried in any case.
void gameBook::exchangeObject(const GameObject &object)
{
    std::vector<CombatItem> candidates = rowItems(std::nullopt);
    InventoryChoice dialog;
    dialog.setItems(tr("objet"), pointersTo(candidates));
    dialog.exec();
    const QString givenUp = dialog.chosenItem() ? dialog.chosenItem()->name() : QString();
    removeObject(givenUp);
    addObject(object);
}

// One item per row of the sheet, top to bottom, from the row's record (an empty one when
// the record is gone); only those of `type` when a type is given.
std::vector<CombatItem> gameBook::rowItems(std::optional<int> type) const
{
    std::vector<CombatItem> items;
    for (int row = 0; row < ui->listEquipments->count(); ++row) {
        const GameObject record = inventory.value(ui->listEquipments->item(row)->text());
        if (!type || record.type == *type)
            items.emplace_back(record.name, record.bonusHabilete, record.bonusEndurance);
    }
    return items;
}

QList<CombatItem *> gameBook::pointersTo(std::vector<CombatItem> &items)
{
    QList<CombatItem *> pointers;
    for (CombatItem &item : items)
        pointers.append(&item);
    return pointers;
}
