#ifndef HISTORYMODEL_H
#define HISTORYMODEL_H

#include "stores/Entry.h"
#include "stores/HistoryQuery.h"

#include <QAbstractTableModel>
#include <QHash>

#include <optional>

class AbstractHistory;

/// History entries of a date range that match search words, as a sortable
/// read-only table. It reads only the rows a view asks for, in blocks, so a
/// range of years costs what a day costs; every change, filter and sort
/// starts afresh.
class HistoryModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    /// Column kinds; also the flags that choose them (Date | Time gives DateTime).
    enum HistoryColumn { DateColumn = 1, TimeColumn = 2, DateTimeColumn = 3, StudentColumn = 4, ItemColumn = 8 };

    /// Starts on the entries of \a day, with no words, in time order.
    HistoryModel(AbstractHistory* historyStore, int columnFlags, const QDate& day);

    void setFilter(const QDate& from, const QDate& to, const QStringList& studentWords, const QStringList& itemWords);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private slots:
    void refresh();

private:
    const Entry& entryAt(int row) const;

    AbstractHistory* history;
    QList<HistoryColumn> columns;
    HistoryQuery query;
    // Read when a view first asks, not on every change: a hidden page then
    // costs a sign-out nothing, whatever range it was left on.
    mutable std::optional<int> rows;
    mutable QHash<int, QList<Entry>> blocks; // by block number
    mutable QList<int> recentBlocks; // the most recently read last
};

#endif
