#include "stores/UsageReader.h"

#include "stores/PreparedStatements.h"
#include "stores/historySql.h"

#include <QDateTime>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimeZone>

#include <functional>

// 1970-01-01, a Thursday, is day 0: weeks are numbered from the Monday before.
static constexpr qint64 MondayBeforeEpoch = 3;
static constexpr qint64 MSecsPerHour = 3600000;
static const QDate Epoch(1970, 1, 1);
static constexpr qint64 LongRangeDays = 366;

static qint64 dayNumber(const QDate& date)
{
    return Epoch.daysTo(date);
}

UsageReader::UsageReader(PreparedStatements& prepared, HistoryReader& reader, HistoryReader::Planner dialect)
    : statements(prepared)
    , history(reader)
    , planner(dialect)
{
}

/// Runs \a statement and hands each row to \a take; false when not all could be read.
static bool eachRow(
    PreparedStatements& statements, const SqlPart& statement, const std::function<void(const QSqlQuery&)>& take)
{
    const auto query = statements.run(statement.text, statement.values);
    if (!query)
        return false;
    while (query->next())
        take(*query);
    return !query->lastError().isValid();
}

static qint64 number(const QSqlQuery& row, int column)
{
    return row.value(column).toLongLong();
}

static SqlPart wrapped(const QString& head, const SqlPart& source, const QString& tail)
{
    SqlPart statement { head + QLatin1Char('('), {} };
    statement += source;
    statement.text += QLatin1String(") counted") + tail;
    return statement;
}

/// \a columns of the matching rows, then \a groups.
static SqlPart matchingRows(const SqlPart& columns, const UsageQuery& query, const QString& groups)
{
    SqlPart statement { QStringLiteral("SELECT "), {} };
    statement += columns;
    statement.text += QLatin1String(" FROM history WHERE ");
    statement += dayRange(query.from, query.to);
    statement += wordConditions(query.studentWords, query.itemWords);
    statement.text += groups;
    return statement;
}

/// The stretches from \a start up to \a end with one offset from UTC: the
/// first moment of each, and its offset in seconds.
static QList<std::pair<qint64, qint64>> offsetStretches(qint64 start, qint64 end)
{
    QList<std::pair<qint64, qint64>> stretches;
    QList<qint64> bounds { start };
    const QTimeZone zone = QTimeZone::systemTimeZone();
    if (start < end) {
        for (const auto& transition : zone.transitions(
                 QDateTime::fromMSecsSinceEpoch(start, Qt::UTC), QDateTime::fromMSecsSinceEpoch(end - 1, Qt::UTC)))
            bounds.append(transition.atUtc.toMSecsSinceEpoch());
    }
    for (qint64 bound : std::as_const(bounds))
        if (stretches.isEmpty() || bound > stretches.last().first)
            stretches.append({ bound, zone.offsetFromUtc(QDateTime::fromMSecsSinceEpoch(bound, Qt::UTC)) });
    return stretches;
}

// The local day of a row, as the kiosk that recorded it counted it. On the
// files, in this process's zone: its offsets over the range are written into
// the statement, which costs a row far less than asking for local time.
SqlPart UsageReader::rowDay(const UsageQuery& query) const
{
    if (planner != HistoryReader::Planner::Sqlite)
        return { QStringLiteral("coalesce(day - DATE '1970-01-01', floor(dateTime / 86400000.0)::bigint)"), {} };
    const auto [start, end] = momentsOf(query.from, query.to);
    const auto stretches = offsetStretches(start, end);
    SqlPart day { QStringLiteral("((dateTime + "), {} };
    if (stretches.size() > 1)
        day.text += QLatin1String("CASE");
    for (qsizetype i = 1; i < stretches.size(); ++i) {
        day.text += QLatin1String(" WHEN dateTime < ? THEN ?");
        day.values << stretches.at(i).first << stretches.at(i - 1).second * 1000;
    }
    day.text += stretches.size() > 1 ? QLatin1String(" ELSE ? END) / 86400000)") : QLatin1String("?) / 86400000)");
    day.values << stretches.last().second * 1000;
    return day;
}

// itemName, day, entries without words: the local days as the kiosk recorded them.
static SqlPart itemDays(const UsageQuery& query)
{
    return { QStringLiteral("SELECT itemName, day, entries FROM historyItemDays WHERE day >= ? AND day <= ?"),
        { dayNumber(query.from), dayNumber(query.to) } };
}

// itemName, itemNumber, entries, without words: each copy's days of the
// range are summed from its counts per day, one copy after the other; over
// the whole history its count is kept.
SqlPart UsageReader::copyCounts(const UsageQuery& query, bool wholeHistory) const
{
    if (wholeHistory)
        return { QStringLiteral("SELECT itemName, itemNumber, entries FROM historyCopies"), {} };
    // PostgreSQL would fetch each copy's days from the table: the range's days
    // are summed in their own index instead.
    if (planner == HistoryReader::Planner::Postgres)
        return { QStringLiteral("SELECT name, number, entries FROM historyItems LEFT JOIN (SELECT copy, "
                                "sum(entries) AS entries FROM historyCopyDays WHERE day >= ? AND day <= ? "
                                "GROUP BY copy) counted ON copy = historyItems.rowid"),
            { dayNumber(query.from), dayNumber(query.to) } };
    return { QStringLiteral("SELECT name, number, (SELECT sum(entries) FROM historyCopyDays WHERE copy = "
                            "historyItems.rowid AND day >= ? AND day <= ?) FROM historyItems"),
        { dayNumber(query.from), dayNumber(query.to) } };
}

// itemName, students. Over the whole history the counts are kept; over a
// range without words a student counts on the first day of the range on
// which the student had the instrument: the day whose day before lies before
// the range, counted name by name in their days' index. With words the
// range's pairs of instrument and student come from the words' own index
// (which SQLite is kept from passing over for the moments').
SqlPart UsageReader::studentCounts(const UsageQuery& query, bool wholeHistory) const
{
    if (wholeHistory && !query.hasWords())
        return { QStringLiteral("SELECT itemName, students FROM historyItemStudents"), {} };
    if (!query.hasWords())
        return { QStringLiteral("SELECT itemName, (SELECT count(*) FROM historyItemStudentDays days "
                                "WHERE days.itemName = names.itemName AND day >= ? AND day <= ? "
                                "AND (previousDay IS NULL OR previousDay < ?)) FROM historyItemStudents names"),
            { dayNumber(query.from), dayNumber(query.to), dayNumber(query.from) } };
    SqlPart statement { QStringLiteral("SELECT itemName, count(DISTINCT studentId) FROM history "
                                       "WHERE itemName IS NOT NULL AND "),
        {} };
    const auto [start, end] = momentsOf(query.from, query.to);
    statement += momentRange(start, end, planner == HistoryReader::Planner::Sqlite);
    statement += wordConditions(query.studentWords, query.itemWords);
    statement.text += QLatin1String(" GROUP BY itemName");
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
    const auto stretches = offsetStretches(start, end);
    for (qsizetype i = 0; i < stretches.size(); ++i) {
        const auto [from, offset] = stretches.at(i);
        const qint64 until = i + 1 < stretches.size() ? stretches.at(i + 1).first : end;
        if (from >= until)
            continue;
        // Weekday 0 is Monday; the offset is bound once per use.
        SqlPart statement { QStringLiteral(
                                "SELECT ((hour * 3600 + ?) / 86400 + %1) % 7, ((hour * 3600 + ?) / 3600) % 24, "
                                "sum(entries) FROM (")
                                .arg(MondayBeforeEpoch),
            { offset, offset } };
        statement += hoursOf(query, from, until);
        statement.text += QLatin1String(") counted GROUP BY 1, 2");
        const bool read = eachRow(statements, statement, [&usage](const QSqlQuery& row) {
            usage.hours[row.value(0).toInt() * 24 + row.value(1).toInt()] += row.value(2).toLongLong();
        });
        if (!read)
            return false;
    }
    return true;
}

bool UsageReader::coversHistory(const UsageQuery& query, bool& covers)
{
    const auto [start, end] = momentsOf(query.from, query.to);
    // Two look-ups into the moments' index (one min and max together would scan it).
    return eachRow(statements,
        { QStringLiteral("SELECT (SELECT min(dateTime) FROM history), (SELECT max(dateTime) FROM history)"), {} },
        [&, start = start, end = end](const QSqlQuery& row) {
            covers = row.value(0).isNull() || (row.value(0).toLongLong() >= start && row.value(1).toLongLong() < end);
        });
}

// With words the matching rows (their instrument and day, from the words'
// index) are read once, into a table of the statement's own, and counted
// three ways from there: 2 for a copy's sign-outs, 1 for the days out of a
// name, 0 for the school days (in that order, which gives PostgreSQL the
// columns' types first).
bool UsageReader::readInstruments(const UsageQuery& query, bool wholeHistory, Usage& usage)
{
    // The copies mostly come in their order (along an index of names and
    // numbers, or grouped by them): each is tried at the end first.
    const auto copyCount = [&usage](const QSqlQuery& row, int column) {
        if (number(row, column + 2) > 0)
            usage.signOutsPerCopy.insert(usage.signOutsPerCopy.cend(),
                Item(row.value(column).toString(), row.value(column + 1).toInt()), number(row, column + 2));
    };
    if (query.hasWords()) {
        SqlPart statement { QStringLiteral("WITH counted AS MATERIALIZED ("), {} };
        SqlPart columns { QStringLiteral("itemName, itemNumber, "), {} };
        columns += rowDay(query);
        columns.text += QLatin1String(" AS day");
        statement += matchingRows(columns, query, QString());
        statement.text
            += QLatin1String(") SELECT 2, itemName, itemNumber, count(*) FROM counted GROUP BY itemName, itemNumber "
                             "UNION ALL SELECT 1, itemName, NULL, count(DISTINCT day) FROM counted GROUP BY itemName "
                             "UNION ALL SELECT 0, NULL, NULL, count(DISTINCT day) FROM counted");
        return eachRow(statements, statement, [&](const QSqlQuery& row) {
            const int kind = row.value(0).toInt();
            if (kind == 0)
                usage.schoolDays = number(row, 3);
            else if (kind == 1)
                usage.daysOut.insert(row.value(1).toString(), number(row, 3));
            else
                copyCount(row, 1);
        });
    }
    const SqlPart days = itemDays(query);
    // A long range walks the names in their own order rather than sorting them.
    const QString walkNames = query.from.daysTo(query.to) > LongRangeDays ? QStringLiteral("+") : QString();
    return eachRow(statements,
               wrapped(
                   QStringLiteral("SELECT count(*) FROM (SELECT day FROM "), days, QStringLiteral(" GROUP BY day) d")),
               [&](const QSqlQuery& row) { usage.schoolDays = number(row, 0); })
        && eachRow(statements,
            { QStringLiteral("SELECT itemName, count(*) FROM historyItemDays WHERE %1day >= ? AND %1day <= ? "
                             "GROUP BY itemName")
                    .arg(walkNames),
                { dayNumber(query.from), dayNumber(query.to) } },
            [&](const QSqlQuery& row) { usage.daysOut.insert(row.value(0).toString(), number(row, 1)); })
        && eachRow(statements, copyCounts(query, wholeHistory), [&](const QSqlQuery& row) { copyCount(row, 0); });
}

// With words the matching rows are counted per week at once, without
// counting them per day first.
bool UsageReader::readWeeks(const UsageQuery& query, Usage& usage)
{
    SqlPart columns { QStringLiteral("("), {} };
    columns += rowDay(query);
    columns.text += QStringLiteral(" + %1) / 7, itemName, count(*)").arg(MondayBeforeEpoch);
    const SqlPart statement = query.hasWords()
        ? matchingRows(columns, query, QStringLiteral(" GROUP BY 1, 2"))
        : wrapped(QStringLiteral("SELECT (day + %1) / 7, itemName, sum(entries) FROM ").arg(MondayBeforeEpoch),
            itemDays(query), QStringLiteral(" GROUP BY 1, 2"));
    return eachRow(statements, statement, [&](const QSqlQuery& row) {
        const QDate monday = Epoch.addDays(number(row, 0) * 7 - MondayBeforeEpoch);
        usage.weeks[monday].insert(row.value(1).toString(), number(row, 2));
    });
}

Usage UsageReader::usage(const UsageQuery& query)
{
    Usage usage;
    if (query.hasWords() && !history.foldNewTextsAtOnce())
        return usage;
    const auto wanted = [&query](UsageQuery::Part part) { return (query.parts & part) != 0; };
    bool wholeHistory = false;
    const bool read = (query.hasWords() || coversHistory(query, wholeHistory))
        && (!wanted(UsageQuery::PerInstrument) || readInstruments(query, wholeHistory, usage))
        && (!wanted(UsageQuery::PerWeek) || readWeeks(query, usage))
        && (!wanted(UsageQuery::PerHour) || readHours(query, usage))
        && (!wanted(UsageQuery::Students)
            || eachRow(statements, studentCounts(query, wholeHistory),
                [&](const QSqlQuery& row) {
                    if (number(row, 1) > 0)
                        usage.students.insert(row.value(0).toString(), number(row, 1));
                }))
        && (!wanted(UsageQuery::LastSignOuts)
            || eachRow(statements,
                { QStringLiteral("SELECT itemName, itemNumber, lastDateTime FROM historyCopies"), {} },
                [&](const QSqlQuery& row) {
                    usage.lastSignOuts.insert(Item(row.value(0).toString(), row.value(1).toInt()), number(row, 2));
                }));
    if (!read)
        return Usage();
    usage.ok = true;
    return usage;
}
