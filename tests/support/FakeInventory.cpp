#include "support/FakeInventory.h"

bool FakeInventory::addItems(const QList<Item>& items)
{
    addCalls.append(items);
    if (storing) {
        for (const Item& item : items)
            if (!held.contains(item))
                held.append(item);
    }
    emit modified();
    return storing;
}

bool FakeInventory::removeItems(const QList<Item>& items)
{
    removeCalls.append(items);
    if (storing)
        held.removeIf([&items](const Item& item) { return items.contains(item); });
    emit modified();
    return storing;
}
