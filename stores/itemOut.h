#ifndef ITEMOUT_H
#define ITEMOUT_H

#include <QDate>

#include <optional>

class AbstractHistory;
class Item;

/// Whether \a item was signed out on \a day; nothing when the history could
/// not be read, so that the caller can refuse rather than let it out twice.
std::optional<bool> isItemOut(AbstractHistory& history, const Item& item, const QDate& day);

#endif
