#include "stores/SqlHistory.h"

#include "stores/HistoryReader.h"
#include "stores/UsageReader.h"

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

Usage SqlHistory::usage(const UsageQuery& query)
{
    return usageReader().usage(query);
}

std::optional<bool> SqlHistory::isOut(const Item& item, const QDate& day)
{
    return reader().isOut(item, day);
}
