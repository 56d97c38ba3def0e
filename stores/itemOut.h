#ifndef ITEMOUT_H
#define ITEMOUT_H

#include <QDate>

#include <optional>
#include <set>

#include "stores/Item.h"

class AbstractHistory;

/// The items signed out on \a day; nothing when the history could not be read.
std::optional<std::set<Item>> itemsOut(AbstractHistory& history, const QDate& day);

#endif
