#ifndef USAGE_H
#define USAGE_H

#include "stores/Item.h"

#include <QDate>
#include <QList>
#include <QMap>

#include <array>

/// The sums over the sign-outs of a UsageQuery, as the database counts them.
struct Usage
{
    /// Whether everything could be read; when not, the rest is empty.
    bool ok = false;
    /// Days of the range on which anything was signed out.
    qsizetype schoolDays = 0;
    /// Sign-outs in the range per copy signed out at least once.
    QMap<Item, qsizetype> signOutsPerCopy;
    /// Per instrument name: the days of the range on which any copy was out.
    QMap<QString, qsizetype> daysOut;
    /// Per instrument name: how many different students signed one out.
    QMap<QString, qsizetype> students;
    /// Sign-outs per week (the week's Monday) and instrument name.
    QMap<QDate, QMap<QString, qsizetype>> weeks;
    /// Sign-outs per local weekday (0 Monday .. 6 Sunday) and hour: [weekday * 24 + hour].
    std::array<qsizetype, 7 * 24> hours {};
    /// The moment of the last sign-out ever of every copy signed out at all.
    QMap<Item, qint64> lastSignOuts;
};

#endif
