#ifndef STOREBACKEND_H
#define STOREBACKEND_H

#include "stores/AbstractHistory.h"
#include "stores/AbstractInventory.h"

#include <QDateTime>

#include <memory>

class Clock;
class PostgresDatabase;

/// The stores that the tests of shared store behaviour run against: the
/// SQLite files in the working directory, or, when tests/support/postgres.sh
/// runs the test (BRINDLOW_TEST_POSTGRES set), a PostgreSQL database that is
/// emptied for each test. One test body covers both backends.
class StoreBackend
{
public:
    StoreBackend();
    ~StoreBackend();

    static bool isPostgres();
    /// The test server's connection string; empty without one.
    static QString connection();

    std::unique_ptr<AbstractInventory> makeInventory();
    std::unique_ptr<AbstractHistory> makeHistory(const Clock& clock);
    /// Connects the PostgreSQL stores made from now on anew, as a kiosk
    /// starting again would, bringing the schema up to date; not on files.
    void reconnect();

    /// Writes sign-outs at any moments straight into the history table, as
    /// tests of other days and times need; one transaction for all.
    void record(const QList<Entry>& entries);

private:
    std::unique_ptr<PostgresDatabase> postgres;
};

#endif
