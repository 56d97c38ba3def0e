#ifndef USAGETABLEMODEL_H
#define USAGETABLEMODEL_H

#include "models/UsageTable.h"

#include <QAbstractTableModel>

/// One table of the usage page as a sortable read-only model; its numbers
/// sort as numbers.
class UsageTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    void setTable(const UsageTable& table);
    const UsageTable& table() const { return shown; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    void applySort();

    UsageTable shown;
    qint64 largest = 0; // of a heat map's numbers
    int sortColumn = -1;
    Qt::SortOrder sortOrder = Qt::AscendingOrder;
};

#endif
