#ifndef USAGEQUERY_H
#define USAGEQUERY_H

#include <QDate>
#include <QStringList>

/// What the usage page sums up: the sign-outs of the local days from..to
/// whose student and item texts contain every word (as in HistoryQuery), and
/// the last sign-out of every copy for the idle copies.
struct UsageQuery
{
    /// The parts of Usage a query reads; a page reads those of the tab it shows.
    enum Part {
        PerInstrument = 0x1, ///< schoolDays, daysOut, signOutsPerCopy
        PerWeek = 0x2, ///< weeks
        PerHour = 0x4, ///< hours
        LastSignOuts = 0x8, ///< lastSignOuts
        Students = 0x10, ///< students
        AllParts = 0x1f
    };

    QDate from;
    QDate to;
    QStringList studentWords;
    QStringList itemWords;
    int parts = AllParts;

    bool hasWords() const { return !studentWords.isEmpty() || !itemWords.isEmpty(); }
};

#endif
