#include "stores/DatabaseHistory.h"

#include "stores/Clock.h"
#include "stores/sqlExec.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

// The schema's versions, each the step from the one before.
static const QList<SchemaStep> Schema = {
    // 1: every sign-out reads today's rows; without an index that scans years of history.
    { [](QSqlDatabase& database) {
        QSqlQuery index(database);
        return execLogged(index, QStringLiteral("CREATE INDEX IF NOT EXISTS historyDateTime ON history (dateTime)"));
    } },
    // 2: older releases kept each student's password in every row, readable
    // by anyone with the file; the rewrite takes it out of the free pages too.
    { [](QSqlDatabase& database) {
         QSqlQuery scrub(database);
         return execLogged(scrub, QStringLiteral("UPDATE history SET studentPassword = NULL "
                                                 "WHERE studentPassword IS NOT NULL"));
     },
      SchemaStep::RewriteFile },
};

DatabaseHistory::DatabaseHistory(const Clock& clock, const ProgressNote& note)
    : clock(clock)
    , table(QStringLiteral("history"),
            QStringLiteral("dateTime INTEGER, studentName TEXT, studentId TEXT, studentPassword TEXT, "
                           "itemName TEXT, itemNumber INTEGER"),
            Schema, note)
    , database(table.database())
{
}

DatabaseHistory::~DatabaseHistory() = default;

bool DatabaseHistory::clear()
{
    QSqlQuery query(database);
    const bool stored = execLogged(query, QStringLiteral("DELETE FROM history"));
    emit modified();
    return stored;
}

bool DatabaseHistory::add(const Student& student, const Item& item)
{
    QSqlQuery query(database);
    query.prepare(QStringLiteral("INSERT INTO history VALUES(:dateTime, :studentName, :studentId, :studentPassword, "
                                 ":itemName, :itemNumber)"));
    query.bindValue(QStringLiteral(":dateTime"), clock.now().toMSecsSinceEpoch());
    query.bindValue(QStringLiteral(":studentName"), student.name());
    query.bindValue(QStringLiteral(":studentId"), student.id());
    // Never the password: rows are kept for years, and the list has it.
    query.bindValue(QStringLiteral(":studentPassword"), QVariant(QMetaType::fromType<QString>()));
    query.bindValue(QStringLiteral(":itemName"), item.name());
    query.bindValue(QStringLiteral(":itemNumber"), item.number());
    const bool stored = execLogged(query);
    emit modified();
    return stored;
}

QList<Entry> DatabaseHistory::entries(const QDate& from, const QDate& to, const QStringList& studentFilters,
                                      const QStringList& itemFilters, bool* ok)
{
    QString statement = QStringLiteral("SELECT * FROM history WHERE dateTime >= ? AND dateTime < ? ");
    for (qsizetype i = 0; i < studentFilters.size(); ++i)
        statement += QLatin1String("AND studentName || ' (' || studentId || ')' LIKE '%' || ? || '%' ");
    for (qsizetype i = 0; i < itemFilters.size(); ++i)
        statement += QLatin1String("AND itemName || ' #' || itemNumber LIKE '%' || ? || '%' ");
    // The index on dateTime would otherwise hand rows out in time order, and
    // callers rely on the order of recording.
    statement += QLatin1String("ORDER BY rowid");

    QSqlQuery query(database);
    query.setForwardOnly(true);
    query.prepare(statement);
    query.addBindValue(from.startOfDay().toMSecsSinceEpoch());
    query.addBindValue(to.addDays(1).startOfDay().toMSecsSinceEpoch());
    for (const QString& word : studentFilters)
        query.addBindValue(word);
    for (const QString& word : itemFilters)
        query.addBindValue(word);

    QList<Entry> result;
    if (ok)
        *ok = false;
    if (!execLogged(query))
        return result;

    const QSqlRecord record = query.record();
    const int dateTime = record.indexOf(QStringLiteral("dateTime"));
    const int studentName = record.indexOf(QStringLiteral("studentName"));
    const int studentId = record.indexOf(QStringLiteral("studentId"));
    const int studentPassword = record.indexOf(QStringLiteral("studentPassword"));
    const int itemName = record.indexOf(QStringLiteral("itemName"));
    const int itemNumber = record.indexOf(QStringLiteral("itemNumber"));
    while (query.next()) {
        result.emplaceBack(query.value(dateTime).toLongLong(),
                           Student(query.value(studentName).toString(), query.value(studentId).toString(),
                                   query.value(studentPassword).toString()),
                           Item(query.value(itemName).toString(), query.value(itemNumber).toInt()));
    }
    // A read can also fail halfway (a damaged page, a lock): then next() stops early.
    if (ok)
        *ok = !query.lastError().isValid();
    return result;
}
