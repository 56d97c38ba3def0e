#include "stores/PostgresHistory.h"

#include "stores/Clock.h"
#include "stores/PostgresDatabase.h"
#include "stores/sqlBatches.h"
#include "stores/sqlExec.h"

#include <QSqlQuery>

PostgresHistory::PostgresHistory(PostgresDatabase& database, const Clock& clock)
    : database(database)
    , clock(clock)
    , reader(database.database(), HistoryReader::Planner::Postgres)
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
    bool stored = handle.transaction();
    // No sign-out of another kiosk may come between the rows and what describes them.
    QSqlQuery lock(handle);
    stored = stored && execLogged(lock, QStringLiteral("LOCK TABLE history IN EXCLUSIVE MODE"));
    for (const char* table : { "history", "historyDays", "historyStudents", "historyItems" }) {
        QSqlQuery query(handle);
        stored = stored && execLogged(query, QLatin1String("DELETE FROM ") + QLatin1String(table));
    }
    stored = stored && database.notify(QStringLiteral("history")) && handle.commit();
    if (!stored)
        handle.rollback();
    changed();
    return stored;
}

bool PostgresHistory::add(const Student& student, const Item& item)
{
    const QDateTime now = clock.now();
    QSqlQuery query(database.database());
    query.prepare(QStringLiteral("INSERT INTO history (dateTime, day, studentName, studentId, itemName, itemNumber) "
                                 "VALUES (?, ?, ?, ?, ?, ?) ON CONFLICT (itemName, itemNumber, day) DO NOTHING"));
    query.addBindValue(now.toMSecsSinceEpoch());
    query.addBindValue(now.date());
    query.addBindValue(textValue(student.name()));
    query.addBindValue(textValue(student.id()));
    query.addBindValue(textValue(item.name()));
    query.addBindValue(item.number());
    const bool stored = execLogged(query) && query.numRowsAffected() == 1;
    if (stored)
        database.notify(QStringLiteral("history"));
    changed();
    return stored;
}

QList<Entry> PostgresHistory::entries(const QDate& from, const QDate& to, const QStringList& studentFilters,
                                      const QStringList& itemFilters, bool* ok)
{
    return reader.entries(from, to, studentFilters, itemFilters, ok);
}

qsizetype PostgresHistory::count(const HistoryQuery& query)
{
    return reader.count(query);
}

QList<Entry> PostgresHistory::slice(const HistoryQuery& query, qsizetype offset, qsizetype limit)
{
    return reader.slice(query, offset, limit);
}

void PostgresHistory::changed()
{
    reader.forget();
    emit modified();
}
