#ifndef ITEMOUT_H
#define ITEMOUT_H

#include <QDate>

#include <optional>
#include <set>

#include "stores/Item.h"

class AbstractHistory;

/// Whether \a item was signed out on \a day; nothing when the history could
/// not be read, so that the caller can refuse rather than let it out twice.
std::optional<bool> isItemOut(AbstractHistory& history, const Item& item, const QDate& day);

/// The items signed out on \a day; nothing when the history could not be read.
std::optional<std::set<Item>> itemsOut(AbstractHistory& history, const QDate& day);

#endif
