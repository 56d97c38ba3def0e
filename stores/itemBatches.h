#ifndef ITEMBATCHES_H
#define ITEMBATCHES_H

#include "stores/Item.h"

#include <QList>

#include <functional>

// Statements over many items at once, shared by the inventories.

/// A statement grows with its items, and databases bound its size: longer
/// lists are cut into chunks of this many items.
constexpr qsizetype MaxItemsPerStatement = 200;

/// Runs \a statement on consecutive chunks of \a items until one fails.
bool forEachChunk(const QList<Item>& items, const std::function<bool(const QList<Item>&)>& statement);

/// An empty name box may give a null string, which would be bound as NULL
/// and then never equal itself; the inventory stores the empty name instead.
QString nameValue(const Item& item);

/// \a term \a count times, joined by \a separator.
QString repeated(const QString& term, const QString& separator, qsizetype count);

#endif
