#ifndef HISTORYREADER_H
#define HISTORYREADER_H

#include "stores/Entry.h"
#include "stores/HistoryQuery.h"
#include "stores/NameRanks.h"

#include <QList>
#include <QVariantList>

#include <functional>
#include <optional>

class PreparedStatements;
struct SqlPart;

/// Reads a history table through SQL for views of any size: it counts a
/// range from the entries of its days, and reads slices of it along the
/// order's index, going on from the keys of the slice before when a view
/// scrolls, straight to the day of a row in time order, or from the nearer end.
/// Names go in the order the language in use sorts them (NameRanks).
/// What it learns of a query is kept until the history changes under it.
class HistoryReader
{
public:
    /// Whose planner runs the statements: SQLite is told to walk an order's
    /// index for a long range, which PostgreSQL's judges for itself.
    enum class Planner { Sqlite, Postgres };

    HistoryReader(PreparedStatements& prepared, Planner plan);

    QList<Entry> entries(const QDate& from, const QDate& to, const QStringList& studentFilters,
        const QStringList& itemFilters, bool* ok);
    qsizetype count(const HistoryQuery& query);
    QList<Entry> slice(const HistoryQuery& query, qsizetype offset, qsizetype limit);
    std::optional<bool> isOut(const Item& item, const QDate& day);
    /// The history has changed: what was read may have moved.
    void forget();
    /// \a entry was recorded: what was read of the queries that find it may have moved.
    void forget(const Entry& entry);
    /// Hands every entry to \a take in the order of recording, without holding
    /// them all; false when not all could be read.
    bool forEachEntry(const std::function<void(const Entry&)>& take);
    /// Folds the texts of new students and items for searching, in one transaction.
    bool foldNewTextsAtOnce();

private:
    /// A slice read in order, remembered by the keys of its ends, from which
    /// the next or the previous slice is found without counting rows again.
    struct Slice
    {
        qsizetype offset = 0;
        qsizetype size = 0;
        QVariantList firstKey;
        QVariantList lastKey;
    };
    /// The rows a statement read, with the keys of the first and the last.
    struct Rows
    {
        QList<Entry> entries;
        QVariantList firstKey;
        QVariantList lastKey;
    };
    /// A stretch of a range's moments and its number of entries.
    struct Span
    {
        qint64 start;
        qint64 end;
        qsizetype entries;
    };
    /// What is known of one query until the history changes.
    struct Reading
    {
        HistoryQuery query;
        qsizetype count = -1;
        QList<Span> spans; // for queries without words: the range day by day
        std::optional<QList<qint64>> matchingRows; // for queries with few matches, in order
        QList<Slice> slices;
    };

    /// Whether the ranks of \a order's names are in place, read again when
    /// needed; what was read before in another order of names is let go.
    bool ranksReady(HistoryQuery::Order order);
    Reading& readingOf(const HistoryQuery& query);
    qsizetype countMatching(const HistoryQuery& query);
    std::optional<QList<Span>> spansOf(const QDate& from, const QDate& to);
    std::optional<QList<qint64>> matchingRows(const HistoryQuery& query);
    QList<Entry> sliceInOrder(Reading& reading, qsizetype offset, qsizetype limit);
    /// With \a keysOnly the statement reads the order's columns alone, and
    /// the rows are read afterwards by their row.
    Rows readRows(const SqlPart& statement, HistoryQuery::Order order, bool keysOnly);
    QList<Entry> rowsInOrder(const QList<qint64>& rows);

    PreparedStatements& statements;
    const Planner planner;
    NameRanks ranks;
    QList<Reading> readings; // the most recently used first
};

#endif
