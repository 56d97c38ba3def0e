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
/// range of years costs what a day costs. A sign-out it can place without
/// reading (the newest row, in time order) is taken in as it comes; every
/// other change, filter and sort starts afresh.
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
    void entryAdded(const Entry& entry);

private:
    const Entry& entryAt(int row) const;
    /// Where \a row lies in the order the rows are read in: in time order
    /// always the oldest first, so that the newest row comes last whichever
    /// way the view shows it.
    int positionOf(int row) const;
    HistoryQuery readQuery() const;
    /// The block that holds \a position, read when not kept.
    const QList<Entry>& blockAt(int position) const;
    /// Keeps \a block as the block \a number, the least recently used let go.
    QHash<int, QList<Entry>>::iterator keep(int number, const QList<Entry>& block) const;
    /// Where a sign-out goes among the newest rows read, in time order;
    /// nothing when the rows read cannot tell.
    std::optional<int> placeOf(const Entry& entry) const;

    AbstractHistory* history;
    QList<HistoryColumn> columns;
    HistoryQuery query;
    // Read when a view first asks, not on every change: a hidden page then
    // costs a sign-out nothing, whatever range it was left on.
    mutable std::optional<int> rows;
    mutable QHash<int, QList<Entry>> blocks; // by block number, of positions
    mutable QList<int> recentBlocks; // the most recently read last
};

#endif
