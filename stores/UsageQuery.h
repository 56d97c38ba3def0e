#ifndef USAGEQUERY_H
#define USAGEQUERY_H

#include <QDate>
#include <QStringList>

/// What the usage page sums up: the sign-outs of the local days from..to
/// whose student and item texts contain every word (as in HistoryQuery), and
/// the last sign-out of every copy for the idle copies.
struct UsageQuery
{
    QDate from;
    QDate to;
    QStringList studentWords;
    QStringList itemWords;

    bool hasWords() const { return !studentWords.isEmpty() || !itemWords.isEmpty(); }
};

#endif
