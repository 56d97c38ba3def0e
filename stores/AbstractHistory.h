#ifndef ABSTRACTHISTORY_H
#define ABSTRACTHISTORY_H

#include "stores/Entry.h"
#include "stores/HistoryQuery.h"
#include "stores/Usage.h"
#include "stores/UsageQuery.h"

#include <QList>
#include <QObject>
#include <QStringList>

#include <optional>

/// The record of sign-outs. Changes return whether they were stored and emit
/// modified() once afterwards, stored or not; before it, added() or
/// rewritten() tell what changed, here or at another kiosk, so that a view
/// can follow a sign-out without reading the day again.
class AbstractHistory : public QObject
{
    Q_OBJECT

public:
    ~AbstractHistory() override = default;

    virtual bool clear() = 0;
    /// Records that \a student signed out \a item now.
    virtual bool add(const Student& student, const Item& item) = 0;
    /// The entries recorded on the local days \a from through \a to whose
    /// student and item texts contain every filter word (as in HistoryQuery),
    /// in the order they were recorded. What could be read; \a ok, when given,
    /// tells whether that was all.
    virtual QList<Entry> entries(const QDate& from, const QDate& to, const QStringList& studentFilters,
        const QStringList& itemFilters, bool* ok = nullptr)
        = 0;

    // A view of any range reads only what it shows: how many entries there
    // are, and the few around the rows on screen.

    /// How many entries \a query finds; -1 when the history cannot be read.
    virtual qsizetype count(const HistoryQuery& query) = 0;
    /// Up to \a limit entries of \a query from position \a offset on, in its order.
    virtual QList<Entry> slice(const HistoryQuery& query, qsizetype offset, qsizetype limit) = 0;
    /// The sums of \a query for the usage page, counted by the store.
    virtual Usage usage(const UsageQuery& query) = 0;
    /// Whether \a item was signed out on the local day \a day; nothing when
    /// the history cannot be read, so that a caller refuses rather than lets
    /// it out twice. A sign-out asks it, so it costs the same all day long.
    virtual std::optional<bool> isOut(const Item& item, const QDate& day) = 0;

signals:
    /// After every change, and after every added() and rewritten().
    void modified();
    /// \a entry was recorded.
    void added(const Entry& entry);
    /// The history changed in a way no added() describes (cleared, or changes
    /// that may have been missed): whatever was read of it may be wrong.
    void rewritten();

protected:
    void announceAdded(const Entry& entry)
    {
        emit added(entry);
        emit modified();
    }
    void announceRewritten()
    {
        emit rewritten();
        emit modified();
    }
};

#endif
