#include "support/StoreBackend.h"

#include "stores/DatabaseHistory.h"
#include "stores/DatabaseInventory.h"
#include "stores/PostgresDatabase.h"
#include "stores/PostgresHistory.h"
#include "stores/PostgresInventory.h"

#include <QSqlError>
#include <QSqlQuery>

static QString postgresConnection()
{
    return qEnvironmentVariable("BRINDLOW_TEST_POSTGRES");
}

/// Drops every table of the test server's database, so each test starts on an empty one.
static void emptyDatabase()
{
    const QString name = QStringLiteral("emptying");
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        database.setConnectOptions(postgresConnection());
        if (!database.open())
            qFatal("Cannot reach the test database: %s", qPrintable(database.lastError().text()));
        QSqlQuery query(database);
        if (!query.exec(QStringLiteral("DROP SCHEMA public CASCADE")) || !query.exec(QStringLiteral("CREATE SCHEMA public")))
            qFatal("Cannot empty the test database: %s", qPrintable(query.lastError().text()));
    }
    QSqlDatabase::removeDatabase(name);
}

StoreBackend::StoreBackend()
{
    if (!isPostgres())
        return;
    emptyDatabase();
    postgres = std::make_unique<PostgresDatabase>(postgresConnection());
    if (!postgres->problem().isEmpty())
        qFatal("%s", qPrintable(postgres->problem()));
}

StoreBackend::~StoreBackend() = default;

bool StoreBackend::isPostgres()
{
    return !postgresConnection().isEmpty();
}

std::unique_ptr<AbstractInventory> StoreBackend::makeInventory()
{
    if (postgres)
        return std::make_unique<PostgresInventory>(*postgres);
    return std::make_unique<DatabaseInventory>();
}

std::unique_ptr<AbstractHistory> StoreBackend::makeHistory(const Clock& clock)
{
    if (postgres)
        return std::make_unique<PostgresHistory>(*postgres, clock);
    return std::make_unique<DatabaseHistory>(clock);
}

void StoreBackend::record(const QList<Entry>& entries)
{
    QSqlDatabase database = postgres ? postgres->database() : QSqlDatabase::database(QStringLiteral("history"));
    QSqlQuery query(database);
    query.prepare(postgres ? QStringLiteral("INSERT INTO history (dateTime, day, studentName, studentId, itemName, "
                                            "itemNumber) VALUES (?, ?, ?, ?, ?, ?)")
                           : QStringLiteral("INSERT INTO history VALUES (?, ?, ?, NULL, ?, ?)"));
    database.transaction();
    for (const Entry& entry : entries) {
        query.addBindValue(entry.msecsSinceEpoch());
        if (postgres)
            query.addBindValue(entry.date());
        query.addBindValue(entry.student().name());
        query.addBindValue(entry.student().id());
        query.addBindValue(entry.item().name());
        query.addBindValue(entry.item().number());
        if (!query.exec())
            qFatal("Cannot record a sign-out: %s", qPrintable(query.lastError().text()));
    }
    database.commit();
}
