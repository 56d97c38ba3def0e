#ifndef USAGETABLES_H
#define USAGETABLES_H

#include "models/UsageTable.h"
#include "stores/Item.h"
#include "stores/Usage.h"

/// The tables of the usage page, from the database's sums and the inventory.
struct UsageTables
{
    UsageTable instruments; ///< per name: copies, sign-outs, days out, busiest copy, copies never out
    UsageTable weeks; ///< per week: all sign-outs, then the busiest instruments'
    UsageTable hours; ///< per weekday: sign-outs per hour
    UsageTable idle; ///< copies not signed out for the idle weeks, with their last sign-out
    UsageTable students; ///< per name: how many different students
};

/// \a today and \a idleWeeks decide which copies are idle: those last signed
/// out \a idleWeeks weeks or more before \a today, or never. The weeks show
/// one column for each of the \a lines instruments signed out most.
UsageTables usageTables(
    const Usage& usage, const QList<Item>& inventory, const QDate& today, int idleWeeks, int lines = 5);

#endif
