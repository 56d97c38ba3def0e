#include "models/InventoryModel.h"

#include "stores/AbstractInventory.h"
#include "stores/collatedSort.h"

InventoryModel::InventoryModel(AbstractInventory* inventoryStore)
    : inventory(inventoryStore)
{
    connect(inventory, &AbstractInventory::modified, this, &InventoryModel::refresh);
    refresh();
}

Item InventoryModel::item(const QModelIndex& index) const
{
    return rows.at(index.row());
}

int InventoryModel::row(const Item& item) const
{
    return int(rows.indexOf(item));
}

int InventoryModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows.size());
}

int InventoryModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 1;
}

QVariant InventoryModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    return rows.at(index.row()).toString();
}

QVariant InventoryModel::headerData(int, Qt::Orientation, int role) const
{
    return role == Qt::DisplayRole ? QVariant(tr("Item")) : QVariant();
}

void InventoryModel::sort(int, Qt::SortOrder order)
{
    rowOrder = order;
    refresh();
}

void InventoryModel::refresh()
{
    beginResetModel();
    rows = inventory->items();
    collatedSort(
        rows, [](const Item& item) { return item.name(); },
        [](const Item& a, const Item& b) { return a.number() < b.number(); }, rowOrder);
    endResetModel();
}
