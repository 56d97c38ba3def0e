#ifndef HISTORYSQL_H
#define HISTORYSQL_H

#include "stores/HistoryQuery.h"

#include <QVariantList>

// The pieces of the statements that read the history table, shared by every
// reading operation: conditions with their values, and the orders.

/// A piece of SQL and the values of its "?" placeholders, in order.
struct SqlPart
{
    QString text;
    QVariantList values;

    SqlPart& operator+=(const SqlPart& other);
};

/// "dateTime >= ? AND dateTime < ?" for the moments \a start up to \a end, in
/// milliseconds since the epoch. With \a walkOrderIndex the dateTime index is
/// kept out of the plan, so that the index of a long range's order is walked
/// instead of the range sorted.
SqlPart momentRange(qint64 start, qint64 end, bool walkOrderIndex = false);

/// The moments of the local days \a from through \a to.
std::pair<qint64, qint64> momentsOf(const QDate& from, const QDate& to);

/// momentRange() for the local days \a from through \a to.
SqlPart dayRange(const QDate& from, const QDate& to);

/// " AND ..." for each word: it must occur in the student's (or item's) text.
/// Empty when there are no words.
SqlPart wordConditions(const QStringList& studentWords, const QStringList& itemWords);

/// The LIKE pattern of a search word over folded texts.
QString searchPattern(const QString& word);

/// The columns of \a order, ending in the order of recording: in the order of
/// a name, first the rank of the row's student's name (NameRanks) and the
/// ID, or the rank of the row's item.
QStringList orderColumns(HistoryQuery::Order order);

/// The rows of the history as \a order reads them: in the order of a name,
/// joined to the names' ranks. With \a walkOrderIndex SQLite goes through the
/// ranks in order and the order's index for each, without sorting.
QString orderedHistory(HistoryQuery::Order order, bool walkOrderIndex);

/// " ORDER BY ..." for \a order in \a direction.
QString orderBy(HistoryQuery::Order order, Qt::SortOrder direction);

/// " AND ..." for the rows after the row whose order columns hold \a key, in
/// \a order and \a direction. In time order the range must also be narrowed
/// to the key's moment (narrowedTo), as SQLite uses one bound of each side.
SqlPart after(HistoryQuery::Order order, Qt::SortOrder direction, const QVariantList& key);

/// " AND ..." for the rows from the rank \a rank on (NameRanks), in \a direction.
SqlPart fromRank(Qt::SortOrder direction, qint64 rank);

/// Narrows the moments \a start up to \a end to those at or beyond the moment
/// of \a key in time order and \a direction.
void narrowTo(const QVariantList& key, Qt::SortOrder direction, qint64& start, qint64& end);

/// The statements that empty the history: the rows and all that describes
/// them go together, in the caller's transaction.
QStringList historyDeletion();

/// The other direction.
Qt::SortOrder reversed(Qt::SortOrder direction);

#endif
