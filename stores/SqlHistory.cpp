#include "stores/SqlHistory.h"

#include "stores/HistoryReader.h"

QList<Entry> SqlHistory::entries(
    const QDate& from, const QDate& to, const QStringList& studentFilters, const QStringList& itemFilters, bool* ok)
{
    return reader().entries(from, to, studentFilters, itemFilters, ok);
}

qsizetype SqlHistory::count(const HistoryQuery& query)
{
    return reader().count(query);
}

QList<Entry> SqlHistory::slice(const HistoryQuery& query, qsizetype offset, qsizetype limit)
{
    return reader().slice(query, offset, limit);
}

std::optional<bool> SqlHistory::isOut(const Item& item, const QDate& day)
{
    return reader().isOut(item, day);
}
