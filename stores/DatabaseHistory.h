#ifndef DATABASEHISTORY_H
#define DATABASEHISTORY_H

#include "stores/AbstractHistory.h"
#include "stores/HistoryReader.h"
#include "stores/SqliteTable.h"

class Clock;

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
    /// Hands every entry to \a take in the order of recording, without holding
    /// them all (to copy years of history); false when not all could be read.
    bool forEachEntry(const std::function<void(const Entry&)>& take) { return reader.forEachEntry(take); }

private:
    const Clock& clock;
    SqliteTable table;
    QSqlDatabase& database;
    HistoryReader reader;
};

#endif
