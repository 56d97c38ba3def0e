#ifndef HISTORYSCHEMA_H
#define HISTORYSCHEMA_H

#include "stores/SqliteTable.h"

class PreparedStatements;

// The history file: its table, and beside it what lets a view of years of
// history read only what it shows: an index per order, the number of entries
// of each day, and the distinct students and items with their texts folded
// for searching. A trigger keeps them up to date as rows are added; only
// clearing the history deletes rows, and it empties them all.

/// "dateTime INTEGER, studentName TEXT, ..." in the order the insert needs.
QString historyColumns();

/// The steps of the history file's schema, the first release's file being version 0.
QList<SchemaStep> historySchema();

/// Folds the texts of students and items that came without them (added since
/// the last search, or by other programs), so that every one can be found.
bool foldNewTexts(PreparedStatements& statements);

/// The day of a moment in whole UTC days since the epoch, as historyDays counts it.
qint64 dayOf(qint64 msecsSinceEpoch);
constexpr qint64 MSecsPerDay = 86400000;

#endif
