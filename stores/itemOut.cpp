#include "stores/itemOut.h"

#include "stores/AbstractHistory.h"

std::optional<std::set<Item>> itemsOut(AbstractHistory& history, const QDate& day)
{
    bool read = false;
    const QList<Entry> entries = history.entries(day, day, {}, {}, &read);
    if (!read)
        return std::nullopt;
    std::set<Item> items;
    for (const Entry& entry : entries)
        items.insert(entry.item());
    return items;
}
