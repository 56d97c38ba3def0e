#ifndef USAGETABLES_H
#define USAGETABLES_H

#include "models/UsageTable.h"
#include "stores/Item.h"
#include "stores/Usage.h"

// The tables of the usage page, from the database's sums and the inventory;
// each reads only its own part of the sums.

/// Per name: copies, sign-outs, days out, busiest copy, copies never out.
UsageTable instrumentTable(const Usage& usage, const QList<Item>& inventory);
/// Per week: all sign-outs, then one column for each of the \a lines
/// instruments signed out most in the range.
UsageTable weekTable(const Usage& usage, int lines = 5);
/// Per weekday: sign-outs per hour.
UsageTable hourTable(const Usage& usage);
/// The copies last signed out \a idleWeeks weeks or more before \a today,
/// or never, with their last sign-out.
UsageTable idleTable(const Usage& usage, QList<Item> inventory, const QDate& today, int idleWeeks);
/// Per name: how many different students.
UsageTable studentTable(const Usage& usage);

#endif
