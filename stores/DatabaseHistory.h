#ifndef DATABASEHISTORY_H
#define DATABASEHISTORY_H

#include "stores/AbstractHistory.h"
#include "stores/SqliteTable.h"

#include <optional>

class Clock;
class QSqlQuery;

/// The history of sign-outs in the SQLite table "history" of the file "history".
class DatabaseHistory : public AbstractHistory
{
    Q_OBJECT

public:
    /// Sign-outs are stamped with the moment \a clock tells; \a upgradeNote
    /// hears how far a long upgrade of an older file has come.
    explicit DatabaseHistory(const Clock& clock, const ProgressNote& upgradeNote = {});
    ~DatabaseHistory() override;

    bool clear() override;
    bool add(const Student& student, const Item& item) override;
    QList<Entry> entries(const QDate& from, const QDate& to, const QStringList& studentFilters,
                         const QStringList& itemFilters, bool* ok = nullptr) override;
    qsizetype count(const HistoryQuery& query) override;
    QList<Entry> slice(const HistoryQuery& query, qsizetype offset, qsizetype limit) override;

    /// Why the file cannot be used; empty when it can.
    QString problem() const { return table.problem(); }

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
        std::optional<QList<qint64>> matchingRows; // for queries with words, in order
        QList<Slice> slices;
    };

    Reading& readingOf(const HistoryQuery& query);
    void changed();
    std::optional<QList<Span>> spansOf(const QDate& from, const QDate& to);
    std::optional<QList<qint64>> matchingRows(const HistoryQuery& query);
    QList<Entry> sliceInOrder(Reading& reading, qsizetype offset, qsizetype limit);
    QList<Entry> rowsInOrder(const QList<qint64>& rows);

    const Clock& clock;
    SqliteTable table;
    QSqlDatabase& database;
    QList<Reading> readings; // the latest first
};

#endif
