#include "inventory.h"

Inventory::Inventory(const QList<GameObject> &records, const QStringList &rows)
    : m_rows(rows)
{
    for (const GameObject &record : records)
        m_records.insert(record.name, record);
}

void Inventory::add(const GameObject &object)
{
    m_records.insert(object.name, object);
    m_rows.append(object.name);
}

void Inventory::remove(const QString &name)
{
    m_records.remove(name);
    if (name.isEmpty())
        return;
    const int row = m_rows.indexOf(name);
    if (row >= 0)
        m_rows.removeAt(row);
}

bool Inventory::isEmpty() const
{
    return m_records.isEmpty();
}

const QMap<QString, GameObject> &Inventory::records() const
{
    return m_records;
}

const QStringList &Inventory::rows() const
{
    return m_rows;
}

QList<CombatItem> Inventory::rowItems(std::optional<int> type) const
{
    QList<CombatItem> items;
    for (const QString &row : m_rows) {
        const GameObject record = m_records.value(row);
        if (!type || record.type == *type)
            items.append(CombatItem(record.name, record.bonusHabilete, record.bonusEndurance));
    }
    return items;
}
