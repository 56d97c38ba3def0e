#ifndef FAKEHISTORY_H
#define FAKEHISTORY_H

#include "stores/AbstractHistory.h"

#include <QDateTime>

class Clock;

/// An in-memory history that records every query, stamps new entries with the
/// moment of its clock and can be told to fail to store.
class FakeHistory : public AbstractHistory
{
    Q_OBJECT

public:
    explicit FakeHistory(const Clock& clockSource);

    struct Query
    {
        QDate from;
        QDate to;
        QStringList studentWords;
        QStringList itemWords;
    };

    bool clear() override;
    bool add(const Student& student, const Item& item) override;
    /// The stored entries of the days from \a from through \a to whose texts
    /// contain every word, as the history's search finds them.
    QList<Entry> entries(const QDate& from, const QDate& to, const QStringList& studentFilters,
        const QStringList& itemFilters, bool* ok = nullptr) override;
    /// Each call counts as one query.
    qsizetype count(const HistoryQuery& query) override;
    QList<Entry> slice(const HistoryQuery& query, qsizetype offset, qsizetype limit) override;
    /// Counted entry by entry, the plain way the database's sums are checked against.
    Usage usage(const UsageQuery& query) override;
    /// Counts as a query of the day.
    std::optional<bool> isOut(const Item& item, const QDate& day) override;

    /// Stores \a entry as a sign-out would and reports the change.
    void record(const Entry& entry);

    /// Each query as "from..to [student words] [item words]", dates in ISO format.
    QStringList queryTexts() const;
    static QString queryText(
        const QDate& from, const QDate& to, const QStringList& studentWords = {}, const QStringList& itemWords = {});

    QList<Entry> stored;
    QList<Query> queries;
    /// Every call that reads the history: entries, count, slice, usage, isOut.
    int reads = 0;
    int clearCalls = 0;
    /// Whether clear() and add() succeed.
    bool storing = true;
    /// Whether entries() can read; when not, it returns nothing.
    bool reading = true;

private:
    QList<Entry> found(const HistoryQuery& query) const;

    const Clock& clock;
};

#endif
