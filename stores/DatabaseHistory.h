#ifndef DATABASEHISTORY_H
#define DATABASEHISTORY_H

#include "stores/HistoryReader.h"
#include "stores/PreparedStatements.h"
#include "stores/SqlHistory.h"
#include "stores/SqliteTable.h"
#include "stores/UsageReader.h"
#include "stores/safeguard.h"

class Clock;

/// The history of sign-outs in the SQLite table "history" of the file "history".
class DatabaseHistory : public SqlHistory
{
    Q_OBJECT

public:
    /// Sign-outs are stamped with the moment \a clock tells; \a upgradeNote
    /// hears how far a long upgrade of an older file has come.
    explicit DatabaseHistory(const Clock& clock, const ProgressNote& upgradeNote = {});
    ~DatabaseHistory() override;

    bool clear() override;
    bool add(const Student& student, const Item& item) override;

    /// Why the file cannot be used; empty when it can.
    QString problem() const { return table.problem(); }
    /// What staff should know of a file the kiosk can use all the same.
    QString notice() const { return table.notice(); }
    /// Asked before clear().
    void setSafeguard(const Safeguard& guard) { safeguard = guard; }
    /// Hands every entry to \a take in the order of recording, without holding
    /// them all (to copy years of history); false when not all could be read.
    bool forEachEntry(const std::function<void(const Entry&)>& take) { return historyReader.forEachEntry(take); }

private:
    HistoryReader& reader() override { return historyReader; }
    UsageReader& usageReader() override { return historyUsage; }

    const Clock& clock;
    SqliteTable table;
    QSqlDatabase& database;
    PreparedStatements statements;
    HistoryReader historyReader;
    UsageReader historyUsage;
    Safeguard safeguard;
};

#endif
