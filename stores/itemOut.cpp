#include "stores/itemOut.h"

#include "stores/AbstractHistory.h"

#include <algorithm>

std::optional<bool> isItemOut(AbstractHistory& history, const Item& item, const QDate& day)
{
    bool read = false;
    const QList<Entry> entries = history.entries(day, day, {}, {}, &read);
    if (!read)
        return std::nullopt;
    return std::any_of(entries.cbegin(), entries.cend(), [&item](const Entry& entry) { return entry.item() == item; });
}
