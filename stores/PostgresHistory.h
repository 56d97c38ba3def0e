#ifndef POSTGRESHISTORY_H
#define POSTGRESHISTORY_H

#include "stores/AbstractHistory.h"
#include "stores/HistoryReader.h"

class Clock;
class PostgresDatabase;

/// The history of sign-outs in a database several kiosks share. The database
/// itself lets one item out once a local day, whichever kiosk asks.
class PostgresHistory : public AbstractHistory
{
    Q_OBJECT

public:
    PostgresHistory(PostgresDatabase& database, const Clock& clock);

    bool clear() override;
    /// False also when another kiosk signed the item out today first.
    bool add(const Student& student, const Item& item) override;
    QList<Entry> entries(const QDate& from, const QDate& to, const QStringList& studentFilters,
                         const QStringList& itemFilters, bool* ok = nullptr) override;
    qsizetype count(const HistoryQuery& query) override;
    QList<Entry> slice(const HistoryQuery& query, qsizetype offset, qsizetype limit) override;

private:
    void changed();

    PostgresDatabase& database;
    const Clock& clock;
    HistoryReader reader;
};

#endif
