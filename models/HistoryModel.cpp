#include "models/HistoryModel.h"

#include "stores/AbstractHistory.h"

#include <algorithm>

// A few screens of rows a block; enough blocks for a view and its scrolling.
static constexpr int BlockSize = 128;
static constexpr qsizetype KeptBlocks = 64;

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

static HistoryQuery::Order orderOf(HistoryModel::HistoryColumn column)
{
    switch (column) {
    case HistoryModel::StudentColumn:
        return HistoryQuery::ByStudent;
    case HistoryModel::ItemColumn:
        return HistoryQuery::ByItem;
    default:
        return HistoryQuery::ByTime;
    }
}

HistoryModel::HistoryModel(AbstractHistory* historyStore, int columnFlags, const QDate& day)
    : history(historyStore)
    , columns(columnsOf(columnFlags))
{
    query.from = day;
    query.to = day;
    query.order = orderOf(columns.value(0, DateTimeColumn));
    connect(history, &AbstractHistory::rewritten, this, &HistoryModel::refresh);
    connect(history, &AbstractHistory::added, this, &HistoryModel::entryAdded);
}

void HistoryModel::setFilter(
    const QDate& from, const QDate& to, const QStringList& studentWords, const QStringList& itemWords)
{
    query.from = from;
    query.to = to;
    query.studentWords = studentWords;
    query.itemWords = itemWords;
    refresh();
}

int HistoryModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    if (!rows) {
        rows = int(std::max<qsizetype>(history->count(readQuery()), 0));
        // In time order the newest rows are read with the count, so that a
        // sign-out can be placed after them without reading, even by a page
        // nobody has looked at since.
        if (query.order == HistoryQuery::ByTime && *rows > 0)
            blockAt(*rows - 1);
    }
    return *rows;
}

int HistoryModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(columns.size());
}

QVariant HistoryModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    const Entry& entry = entryAt(index.row());
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
    query.order = orderOf(columns.at(column));
    query.direction = order;
    refresh();
}

void HistoryModel::refresh()
{
    beginResetModel();
    rows.reset();
    blocks.clear();
    recentBlocks.clear();
    endResetModel();
}

// In time order a sign-out takes its place among the newest rows read: it
// is the newest, or another kiosk's that came in after it was made (the
// kiosks take in each other's sign-outs a moment late). Anything else is
// read again: a place before the newest block, a block not read whole, a
// moment a row read already has (whose order the notice cannot tell), any
// order but time's.
void HistoryModel::entryAdded(const Entry& entry)
{
    // Nothing read yet, or nothing that moves.
    if (!rows || !query.includes(entry))
        return;
    const std::optional<int> position = query.order == HistoryQuery::ByTime ? placeOf(entry) : std::nullopt;
    if (!position) {
        refresh();
        return;
    }
    const int row = query.direction == Qt::AscendingOrder ? *position : *rows - *position;
    beginInsertRows(QModelIndex(), row, row);
    const int number = *position / BlockSize;
    auto block = blocks.find(number);
    // A block not read has it from the history; one that would begin with it is known.
    if (block == blocks.end() && *position % BlockSize == 0)
        block = keep(number, {});
    if (block != blocks.end()) {
        block->insert(*position % BlockSize, entry);
        if (block->size() > BlockSize) {
            const Entry pushedOn = block->takeLast();
            keep(number + 1, { pushedOn });
        }
    }
    rows = *rows + 1;
    endInsertRows();
}

std::optional<int> HistoryModel::placeOf(const Entry& entry) const
{
    const int count = *rows;
    if (count == 0)
        return 0;
    const int last = (count - 1) / BlockSize;
    const auto block = blocks.constFind(last);
    // A block read beyond the count may hold the row already.
    if (block == blocks.cend() || block->size() != count - last * BlockSize)
        return std::nullopt;
    const qint64 moment = entry.msecsSinceEpoch();
    const auto later = std::find_if(
        block->cbegin(), block->cend(), [moment](const Entry& read) { return read.msecsSinceEpoch() >= moment; });
    if ((later == block->cbegin() && last > 0) || (later != block->cend() && later->msecsSinceEpoch() == moment))
        return std::nullopt;
    return last * BlockSize + int(later - block->cbegin());
}

int HistoryModel::positionOf(int row) const
{
    return query.order == HistoryQuery::ByTime && query.direction == Qt::DescendingOrder ? rowCount() - 1 - row : row;
}

HistoryQuery HistoryModel::readQuery() const
{
    HistoryQuery read = query;
    if (read.order == HistoryQuery::ByTime)
        read.direction = Qt::AscendingOrder;
    return read;
}

QHash<int, QList<Entry>>::iterator HistoryModel::keep(int number, const QList<Entry>& block) const
{
    if (recentBlocks.size() >= KeptBlocks)
        blocks.remove(recentBlocks.takeFirst());
    recentBlocks.append(number);
    return blocks.insert(number, block);
}

const QList<Entry>& HistoryModel::blockAt(int position) const
{
    const int number = position / BlockSize;
    auto block = blocks.find(number);
    if (block == blocks.end())
        return *keep(number, history->slice(readQuery(), qsizetype(number) * BlockSize, BlockSize));
    recentBlocks.removeOne(number);
    recentBlocks.append(number);
    return *block;
}

const Entry& HistoryModel::entryAt(int row) const
{
    const int position = positionOf(row);
    const QList<Entry>& block = blockAt(position);
    // A history changed behind its back may hand out fewer rows than counted.
    static const Entry missing;
    const int inBlock = position % BlockSize;
    return inBlock < block.size() ? block.at(inBlock) : missing;
}
