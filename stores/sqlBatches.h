#ifndef SQLBATCHES_H
#define SQLBATCHES_H

#include "stores/Item.h"

#include <QList>

#include <functional>

// Statements over many rows at once, and the values bound to them.

/// A statement grows with its rows, and databases bound its size: longer
/// lists are cut into chunks of this many.
constexpr qsizetype MaxRowsPerStatement = 200;

/// Runs \a statement on consecutive chunks of \a items until one fails.
bool forEachChunk(const QList<Item>& items, const std::function<bool(const QList<Item>&)>& statement);

/// A null string would be bound as NULL, which never equals itself and cannot
/// be compared to find the rows after it: the empty text is stored instead
/// (an empty name box, for one, gives a null string).
QString textValue(const QString& text);

/// \a term \a count times, joined by \a separator.
QString repeated(const QString& term, const QString& separator, qsizetype count);

#endif
