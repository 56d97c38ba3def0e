#include "stores/HistoryQuery.h"

#include "stores/Entry.h"
#include "stores/historySql.h"
#include "stores/searchFolding.h"

bool HistoryQuery::includes(const Entry& entry) const
{
    const auto [start, end] = momentsOf(from, to);
    return entry.msecsSinceEpoch() >= start && entry.msecsSinceEpoch() < end
        && containsSearchWords(entry.student().toString(), studentWords)
        && containsSearchWords(entry.item().toString(), itemWords);
}
