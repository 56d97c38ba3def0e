#include "models/HistoryModel.h"

#include "models/flatTable.h"
#include "stores/AbstractHistory.h"

#include <algorithm>

static QList<HistoryModel::HistoryColumn> columnsOf(int flags)
{
    QList<HistoryModel::HistoryColumn> columns;
    if ((flags & HistoryModel::DateTimeColumn) == HistoryModel::DateTimeColumn)
        columns.append(HistoryModel::DateTimeColumn);
    else if (flags & HistoryModel::DateColumn)
        columns.append(HistoryModel::DateColumn);
    else if (flags & HistoryModel::TimeColumn)
        columns.append(HistoryModel::TimeColumn);
    if (flags & HistoryModel::StudentColumn)
        columns.append(HistoryModel::StudentColumn);
    if (flags & HistoryModel::ItemColumn)
        columns.append(HistoryModel::ItemColumn);
    return columns;
}

HistoryModel::HistoryModel(AbstractHistory* history, int columnFlags, const QDate& day)
    : history(history)
    , columns(columnsOf(columnFlags))
    , rowOrder { columns.value(0, DateTimeColumn), Qt::AscendingOrder }
    , from(day)
    , to(day)
{
    connect(history, &AbstractHistory::modified, this, &HistoryModel::refresh);
    refresh();
}

void HistoryModel::setFilter(const QDate& from, const QDate& to, const QStringList& studentWords,
                             const QStringList& itemWords)
{
    this->from = from;
    this->to = to;
    this->studentWords = studentWords;
    this->itemWords = itemWords;
    refresh();
}

QModelIndex HistoryModel::index(int row, int column, const QModelIndex& parent) const
{
    return flatIndex(row, column, parent, [this](int r, int c) { return createIndex(r, c); });
}

QModelIndex HistoryModel::parent(const QModelIndex&) const
{
    return flatParent();
}

int HistoryModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows.size());
}

int HistoryModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(columns.size());
}

QVariant HistoryModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    const Entry& entry = rows.at(index.row());
    switch (columns.at(index.column())) {
    case DateColumn:
        return entry.date();
    case TimeColumn:
        return entry.time();
    case DateTimeColumn:
        return entry.dateTime();
    case StudentColumn:
        return entry.student().toString();
    case ItemColumn:
        return entry.item().toString();
    }
    return QVariant();
}

QVariant HistoryModel::headerData(int section, Qt::Orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    switch (columns.at(section)) {
    case DateColumn:
        return tr("Date");
    case TimeColumn:
        return tr("Time");
    case DateTimeColumn:
        return tr("Date/Time");
    case StudentColumn:
        return tr("Student");
    case ItemColumn:
        return tr("Item");
    }
    return QVariant();
}

void HistoryModel::sort(int column, Qt::SortOrder order)
{
    rowOrder = { columns.at(column), order };
    refresh();
}

void HistoryModel::refresh()
{
    beginResetModel();
    // The old rows go before the new ones are read: a year of history is
    // enough to hold once.
    rows = QList<Entry>();
    rows = history->entries(from, to, studentWords, itemWords);
    std::sort(rows.begin(), rows.end(), rowOrder);
    endResetModel();
}

bool HistoryModel::RowOrder::operator()(const Entry& a, const Entry& b) const
{
    if (order == Qt::DescendingOrder)
        return RowOrder { kind, Qt::AscendingOrder }(b, a);
    switch (kind) {
    case StudentColumn:
        return a.student().name() < b.student().name();
    case ItemColumn:
        return a.item() < b.item();
    default:
        return a.msecsSinceEpoch() < b.msecsSinceEpoch();
    }
}
