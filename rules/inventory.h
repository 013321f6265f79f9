#ifndef INVENTORY_H
#define INVENTORY_H

#include "combatitem.h"
#include "gameobject.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

// The carried objects, as records by name and as the rows of the adventure sheet in the
// order they were taken. Adding a name already carried replaces its record and adds a
// second row; removing drops the record and one row, so a row may outlive its record and
// then stands for an empty object.
class Inventory {
public:
    Inventory() = default;
    // Objects carried as they were; each record is kept under its own name.
    Inventory(const QList<GameObject> &records, const QStringList &rows);

    void add(const GameObject &object);
    // Drops the record and the topmost row of that name; rows with no name are never taken.
    void remove(const QString &name);

    bool isEmpty() const;
    const QMap<QString, GameObject> &records() const;
    const QStringList &rows() const;
    // One item per row, top to bottom, from the row's record (an empty one when the record
    // is gone); only those of `type` when a type is given.
    QList<CombatItem> rowItems(std::optional<int> type = std::nullopt) const;

private:
    QMap<QString, GameObject> m_records;
    QStringList m_rows;
};

#endif // INVENTORY_H
