#include "stores/PostgresHistory.h"

#include "stores/Clock.h"
#include "stores/PostgresDatabase.h"
#include "stores/historySql.h"
#include "stores/sqlBatches.h"
#include "stores/sqlExec.h"

#include <QSqlQuery>

PostgresHistory::PostgresHistory(PostgresDatabase& db, const Clock& clockSource)
    : database(db)
    , clock(clockSource)
    , historyReader(db.statements(), HistoryReader::Planner::Postgres)
    , historyUsage(db.statements(), historyReader, HistoryReader::Planner::Postgres)
{
    connect(&database, &PostgresDatabase::changedElsewhere, this, [this](const QString& topic) {
        if (topic == QLatin1String("history"))
            changed();
    });
    connect(&database, &PostgresDatabase::reconnected, this, &PostgresHistory::changed);
}

bool PostgresHistory::clear()
{
    QSqlDatabase& handle = database.database();
    // No sign-out of another kiosk may come between the rows and what describes them.
    const bool stored = inTransaction(handle, [&] {
        return execAllLogged(
                   handle, QStringList { QStringLiteral("LOCK TABLE history IN EXCLUSIVE MODE") } + historyDeletion())
            && database.notify(QStringLiteral("history"));
    });
    changed();
    return stored;
}

bool PostgresHistory::add(const Student& student, const Item& item)
{
    const QDateTime now = clock.now();
    // The notice to the other kiosks in the same statement: sent when, and
    // only when, the row is there.
    const auto query = database.statements().run(
        QStringLiteral("WITH added AS (INSERT INTO history (dateTime, day, studentName, studentId, "
                       "itemName, itemNumber) VALUES (?, ?, ?, ?, ?, ?) "
                       "ON CONFLICT (itemName, itemNumber, day) DO NOTHING RETURNING rowid) "
                       "SELECT pg_notify(?, 'history') FROM added"),
        { now.toMSecsSinceEpoch(), now.date(), textValue(student.name()), textValue(student.id()),
            textValue(item.name()), item.number(), PostgresDatabase::channel() });
    const bool stored = query && query->next();
    changed();
    return stored;
}

void PostgresHistory::changed()
{
    historyReader.forget();
    emit modified();
}
