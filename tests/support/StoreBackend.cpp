#include "support/StoreBackend.h"

#include "stores/DatabaseHistory.h"
#include "stores/DatabaseInventory.h"
#include "stores/PostgresDatabase.h"
#include "stores/PostgresHistory.h"
#include "stores/PostgresInventory.h"
#include "stores/sqlBatches.h"

#include <QSqlError>
#include <QSqlQuery>

/// Empties every table of the test server's database, so each test starts on an empty one.
static void emptyDatabase()
{
    const QString name = QStringLiteral("emptying");
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        database.setConnectOptions(StoreBackend::connection());
        if (!database.open())
            qFatal("Cannot reach the test database: %s", qPrintable(database.lastError().text()));
        // Emptied rather than dropped: setting the tables up anew for every test takes longer.
        QSqlQuery query(database);
        if (!query.exec(QStringLiteral("SELECT to_regclass('brindlowschema') IS NOT NULL")) || !query.next()
            || (query.value(0).toBool()
                && !query.exec(
                    QStringLiteral("TRUNCATE inventory, students, studentsBeforeImport, importKept, history, "
                                   "historyDays, historyStudents, historyItems, historyItemDays, historyHours, "
                                   "historyCopies, historyItemStudents, historyCopyDays, historyItemStudentDays "
                                   "RESTART IDENTITY"))))
            qFatal("Cannot empty the test database: %s", qPrintable(query.lastError().text()));
    }
    QSqlDatabase::removeDatabase(name);
}

StoreBackend::StoreBackend()
{
    if (!isPostgres())
        return;
    emptyDatabase();
    postgres = std::make_unique<PostgresDatabase>(connection());
    if (!postgres->problem().isEmpty())
        qFatal("%s", qPrintable(postgres->problem()));
}

StoreBackend::~StoreBackend() = default;

QString StoreBackend::connection()
{
    return qEnvironmentVariable("BRINDLOW_TEST_POSTGRES");
}

bool StoreBackend::isPostgres()
{
    return !connection().isEmpty();
}

void StoreBackend::reconnect()
{
    if (!postgres)
        return;
    postgres.reset();
    postgres = std::make_unique<PostgresDatabase>(connection());
    if (!postgres->problem().isEmpty())
        qFatal("%s", qPrintable(postgres->problem()));
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

// Many rows a statement: a test may need tens of thousands.
void StoreBackend::record(const QList<Entry>& entries)
{
    QSqlDatabase database = postgres ? postgres->database() : QSqlDatabase::database(QStringLiteral("history"));
    const QString row = postgres ? QStringLiteral("(?, ?, ?, ?, ?, ?)") : QStringLiteral("(?, ?, ?, NULL, ?, ?)");
    const QString head = postgres ? QStringLiteral("INSERT INTO history (dateTime, day, studentName, studentId, "
                                                   "itemName, itemNumber) VALUES ")
                                  : QStringLiteral("INSERT INTO history VALUES ");
    database.transaction();
    for (qsizetype start = 0; start < entries.size(); start += 100) {
        const QList<Entry> chunk = entries.mid(start, 100);
        QSqlQuery query(database);
        query.prepare(head + QStringList(chunk.size(), row).join(QStringLiteral(", ")));
        for (const Entry& entry : chunk) {
            query.addBindValue(entry.msecsSinceEpoch());
            if (postgres)
                query.addBindValue(entry.date());
            query.addBindValue(textValue(entry.student().name()));
            query.addBindValue(textValue(entry.student().id()));
            query.addBindValue(textValue(entry.item().name()));
            query.addBindValue(entry.item().number());
        }
        if (!query.exec())
            qFatal("Cannot record sign-outs: %s", qPrintable(query.lastError().text()));
    }
    database.commit();
}
