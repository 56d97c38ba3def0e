#ifndef POSTGRESHISTORY_H
#define POSTGRESHISTORY_H

#include "stores/HistoryReader.h"
#include "stores/SqlHistory.h"
#include "stores/UsageReader.h"

class Clock;
class PostgresDatabase;

/// The history of sign-outs in a database several kiosks share. The database
/// itself lets one item out once a local day, whichever kiosk asks.
class PostgresHistory : public SqlHistory
{
    Q_OBJECT

public:
    PostgresHistory(PostgresDatabase& db, const Clock& clockSource);

    bool clear() override;
    /// False also when another kiosk signed the item out today first.
    bool add(const Student& student, const Item& item) override;

private:
    HistoryReader& reader() override { return historyReader; }
    UsageReader& usageReader() override { return historyUsage; }

    void changed();
    /// Takes in the row a notice of a sign-out carries.
    void took(const QString& notice);

    PostgresDatabase& database;
    const Clock& clock;
    HistoryReader historyReader;
    UsageReader historyUsage;
};

#endif
