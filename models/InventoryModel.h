#ifndef INVENTORYMODEL_H
#define INVENTORYMODEL_H

#include "stores/Item.h"

#include <QAbstractTableModel>

class AbstractInventory;

/// Every item of the inventory as a one-column list sorted by name as the
/// chosen language collates it, then by number; re-reads the store on every change and sort.
class InventoryModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit InventoryModel(AbstractInventory* inventoryStore);

    /// The item shown in the row of \a index.
    Item item(const QModelIndex& index) const;
    /// The row that shows \a item, or -1 when the inventory does not hold it.
    int row(const Item& item) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private slots:
    void refresh();

private:
    AbstractInventory* inventory;
    QList<Item> rows;
    Qt::SortOrder rowOrder = Qt::AscendingOrder;
};

#endif
