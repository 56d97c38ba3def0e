#include "stores/UsageReader.h"

#include "stores/historySchema.h"
#include "stores/historySql.h"
#include "stores/sqlExec.h"

#include <QDateTime>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimeZone>

#include <functional>

// 1970-01-01, a Thursday, is day 0: weeks are numbered from the Monday before.
static constexpr qint64 MondayBeforeEpoch = 3;
static constexpr qint64 MSecsPerHour = 3600000;
static const QDate Epoch(1970, 1, 1);
// Longer ranges than this read the different students along their index.
static constexpr qint64 LongRangeDays = 366;

static qint64 dayNumber(const QDate& date)
{
    return Epoch.daysTo(date);
}

UsageReader::UsageReader(QSqlDatabase& database, HistoryReader& history, HistoryReader::Planner planner)
    : database(database)
    , history(history)
    , planner(planner)
{
}

/// Runs \a statement and hands each row to \a take; false when not all could be read.
static bool eachRow(QSqlDatabase& database, const SqlPart& statement, const std::function<void(const QSqlQuery&)>& take)
{
    QSqlQuery query(database);
    if (!execLogged(query, statement.text, statement.values))
        return false;
    while (query.next())
        take(query);
    return !query.lastError().isValid();
}

static SqlPart wrapped(const QString& head, const SqlPart& source, const QString& tail)
{
    SqlPart statement { head + QLatin1Char('('), {} };
    statement += source;
    statement.text += QLatin1String(") counted") + tail;
    return statement;
}

static SqlPart matchingRows(const QString& columns, const UsageQuery& query, const QString& groups)
{
    SqlPart statement { QStringLiteral("SELECT %1 FROM history WHERE ").arg(columns), {} };
    statement += dayRange(query.from, query.to);
    statement += wordConditions(query.studentWords, query.itemWords);
    statement.text += groups;
    return statement;
}

// itemName, day, entries: the local days as the kiosk recorded them.
SqlPart UsageReader::itemDays(const UsageQuery& query) const
{
    if (!query.hasWords())
        return { QStringLiteral("SELECT itemName, day, entries FROM historyItemDays WHERE day >= ? AND day <= ?"),
            { dayNumber(query.from), dayNumber(query.to) } };
    const QString day = planner == HistoryReader::Planner::Sqlite
        ? localDaySql(QStringLiteral("dateTime"))
        : QStringLiteral("coalesce(day - DATE '1970-01-01', floor(dateTime / 86400000.0)::bigint)");
    return matchingRows(
        QStringLiteral("itemName, %1 AS day, count(*) AS entries").arg(day), query, QStringLiteral(" GROUP BY 1, 2"));
}

// itemName, itemNumber, entries. Without words each copy's rows of the range
// are counted in the item index, one copy after the other.
SqlPart UsageReader::copyCounts(const UsageQuery& query) const
{
    if (query.hasWords())
        return matchingRows(
            QStringLiteral("itemName, itemNumber, count(*)"), query, QStringLiteral(" GROUP BY itemName, itemNumber"));
    const auto [start, end] = momentsOf(query.from, query.to);
    return { QStringLiteral(
                 "SELECT name, number, (SELECT count(*) FROM history WHERE itemName = historyItems.name "
                 "AND itemNumber = historyItems.number AND dateTime >= ? AND dateTime < ?) FROM historyItems"),
        { start, end } };
}

// itemName, students. The pairs of instrument and student come in the order
// of their index, so no database gathers and sorts the rows of years; a short
// range is read through the moments' index instead.
SqlPart UsageReader::studentCounts(const UsageQuery& query) const
{
    const bool longRange = query.from.daysTo(query.to) > LongRangeDays;
    SqlPart statement { QStringLiteral(
                            "SELECT itemName, count(*) FROM (SELECT DISTINCT itemName, studentId FROM history "
                            "WHERE "),
        {} };
    const auto [start, end] = momentsOf(query.from, query.to);
    statement += momentRange(start, end, longRange && planner == HistoryReader::Planner::Sqlite);
    statement += wordConditions(query.studentWords, query.itemWords);
    statement.text += QLatin1String(") pairs GROUP BY itemName");
    return statement;
}

// hour, entries: whole hours since the epoch in UTC, from start up to end.
SqlPart UsageReader::hoursOf(const UsageQuery& query, qint64 start, qint64 end) const
{
    if (!query.hasWords())
        return { QStringLiteral("SELECT hour, entries FROM historyHours WHERE hour >= ? AND hour < ?"),
            { start / MSecsPerHour, end / MSecsPerHour } };
    SqlPart statement { QStringLiteral("SELECT dateTime / 3600000 AS hour, count(*) AS entries FROM history WHERE "),
        {} };
    statement += momentRange(start, end);
    statement += wordConditions(query.studentWords, query.itemWords);
    statement.text += QLatin1String(" GROUP BY 1");
    return statement;
}

// The hours are counted in UTC; each stretch of the range with one offset
// from UTC is turned into local weekdays and hours in the database.
bool UsageReader::readHours(const UsageQuery& query, Usage& usage)
{
    const auto [start, end] = momentsOf(query.from, query.to);
    QList<qint64> bounds { start };
    const QTimeZone zone = QTimeZone::systemTimeZone();
    for (const auto& transition : zone.transitions(
             QDateTime::fromMSecsSinceEpoch(start, Qt::UTC), QDateTime::fromMSecsSinceEpoch(end - 1, Qt::UTC)))
        bounds.append(transition.atUtc.toMSecsSinceEpoch());
    bounds.append(end);
    for (qsizetype i = 0; i + 1 < bounds.size(); ++i) {
        if (bounds.at(i) >= bounds.at(i + 1))
            continue;
        const qint64 offset = QDateTime::fromMSecsSinceEpoch(bounds.at(i)).offsetFromUtc();
        // Weekday 0 is Monday; the offset is bound once per use.
        SqlPart statement { QStringLiteral(
                                "SELECT ((hour * 3600 + ?) / 86400 + %1) % 7, ((hour * 3600 + ?) / 3600) % 24, "
                                "sum(entries) FROM (")
                                .arg(MondayBeforeEpoch),
            { offset, offset } };
        statement += hoursOf(query, bounds.at(i), bounds.at(i + 1));
        statement.text += QLatin1String(") counted GROUP BY 1, 2");
        const bool read = eachRow(database, statement, [&usage](const QSqlQuery& row) {
            usage.hours[row.value(0).toInt() * 24 + row.value(1).toInt()] += row.value(2).toLongLong();
        });
        if (!read)
            return false;
    }
    return true;
}

Usage UsageReader::usage(const UsageQuery& query)
{
    Usage usage;
    if (query.hasWords() && !history.foldNewTextsAtOnce())
        return usage;
    const SqlPart days = itemDays(query);
    const auto number = [](const QSqlQuery& row, int column) { return row.value(column).toLongLong(); };
    const bool read = eachRow(database, wrapped(QStringLiteral("SELECT count(DISTINCT day) FROM "), days, QString()),
                          [&](const QSqlQuery& row) { usage.schoolDays = number(row, 0); })
        && eachRow(database, wrapped(QStringLiteral("SELECT itemName, count(*) FROM "), days, " GROUP BY itemName"),
            [&](const QSqlQuery& row) { usage.daysOut.insert(row.value(0).toString(), number(row, 1)); })
        && eachRow(database,
            wrapped(QStringLiteral("SELECT (day + %1) / 7, itemName, sum(entries) FROM ").arg(MondayBeforeEpoch), days,
                QStringLiteral(" GROUP BY 1, 2")),
            [&](const QSqlQuery& row) {
                const QDate monday = Epoch.addDays(number(row, 0) * 7 - MondayBeforeEpoch);
                usage.weeks[monday].insert(row.value(1).toString(), number(row, 2));
            })
        && eachRow(database, copyCounts(query),
            [&](const QSqlQuery& row) {
                if (number(row, 2) > 0)
                    usage.signOutsPerCopy.insert(Item(row.value(0).toString(), row.value(1).toInt()), number(row, 2));
            })
        && eachRow(database, studentCounts(query),
            [&](const QSqlQuery& row) { usage.students.insert(row.value(0).toString(), number(row, 1)); })
        && readHours(query, usage)
        // One look into the index per copy ever signed out.
        && eachRow(database,
            { QStringLiteral("SELECT name, number, (SELECT max(dateTime) FROM history "
                             "WHERE itemName = historyItems.name AND itemNumber = historyItems.number) "
                             "FROM historyItems"),
                {} },
            [&](const QSqlQuery& row) {
                if (!row.value(2).isNull())
                    usage.lastSignOuts.insert(Item(row.value(0).toString(), row.value(1).toInt()), number(row, 2));
            });
    if (!read)
        return Usage();
    usage.ok = true;
    return usage;
}
