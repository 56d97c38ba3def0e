#include "stores/NameRanks.h"

#include "stores/PreparedStatements.h"
#include "stores/collatedSort.h"
#include "stores/sqlBatches.h"
#include "stores/sqlExec.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

#include <functional>
#include <numeric>

namespace {

/// Where an order's ranks are kept and what they rank.
struct RankedTable
{
    QString table;
    QString listing; // the history's distinct students or items
    bool numbered = false; // a rank per item (name and number), else per name
    QString counted; // the rows of each, counted as they came in, joined to the ranks
};

RankedTable rankedTableOf(HistoryQuery::Order order)
{
    if (order == HistoryQuery::ByStudent)
        return { QStringLiteral("studentOrder"), QStringLiteral("historyStudents"), false,
            QStringLiteral("historyStudents ON historyStudents.name = studentOrder.name") };
    return { QStringLiteral("itemOrder"), QStringLiteral("historyItems"), true,
        QStringLiteral("historyCopies ON itemName = itemOrder.name AND itemNumber = itemOrder.number") };
}

} // namespace

NameRanks::NameRanks(PreparedStatements& prepared)
    : statements(prepared)
{
}

NameRanks::Outcome NameRanks::prepare(HistoryQuery::Order order)
{
    if (order == HistoryQuery::ByTime)
        return Outcome::Kept;
    Ranks& ranks = order == HistoryQuery::ByStudent ? students : items;
    if (isCurrent(ranks))
        return Outcome::Kept;
    return build(ranks) ? Outcome::Rebuilt : Outcome::Failed;
}

void NameRanks::mayHaveGrown()
{
    students.mayHaveGrown = true;
    items.mayHaveGrown = true;
}

void NameRanks::forget()
{
    students.listed = -1;
    items.listed = -1;
}

// The ranks' rows are summed in order up to the rank that holds the row,
// a few milliseconds for 20,000 names where counting through the index to a
// row in the middle of years took a third of a second.
std::optional<NameRanks::Start> NameRanks::startOf(
    HistoryQuery::Order order, Qt::SortOrder direction, qsizetype offset, qsizetype rows)
{
    const RankedTable ranked = rankedTableOf(order);
    const auto query = statements.run(
        QStringLiteral("SELECT rank, rowsBefore FROM (SELECT rank, entries, sum(entries) OVER (ORDER BY rank%1 "
                       "ROWS UNBOUNDED PRECEDING) - entries AS rowsBefore, sum(entries) OVER () AS total "
                       "FROM (SELECT rank, sum(entries) AS entries FROM %2 JOIN %3 GROUP BY rank) named) placed "
                       "WHERE total = ? AND rowsBefore <= ? AND rowsBefore + entries > ?")
            .arg(direction == Qt::DescendingOrder ? QStringLiteral(" DESC") : QString(), ranked.table, ranked.counted),
        { rows, offset, offset });
    if (!query || !query->next())
        return std::nullopt;
    return Start { query->value(0).toLongLong(), qsizetype(query->value(1).toLongLong()) };
}

// Names are only ever added (clearing the history forgets the ranks), so a
// new one shows in their number, which an index counts at once.
bool NameRanks::isCurrent(Ranks& ranks)
{
    if (ranks.listed < 0 || ranks.locale != QLocale())
        return false;
    if (!ranks.mayHaveGrown)
        return true;
    const auto query = statements.run(QStringLiteral("SELECT count(*) FROM ") + rankedTableOf(ranks.order).listing);
    if (!query || !query->next() || query->value(0).toLongLong() != ranks.listed)
        return false;
    ranks.mayHaveGrown = false;
    return true;
}

// Students are ranked per name: a planner that multiplied the odds of a
// name and an ID would expect a handful of rows and sort them all; an item
// per name and number, whose index then hands out a copy's rows in order,
// where an instrument's name holds years of rows to sort. Names are read in
// the order of their code points (then the number), which names of equal
// keys keep; all are ranked anew, in one transaction (a few tens of
// milliseconds for 20,000 names).
bool NameRanks::build(Ranks& ranks)
{
    const RankedTable ranked = rankedTableOf(ranks.order);
    QSqlDatabase& database = statements.database();
    const bool postgres = database.driver()->dbmsType() == QSqlDriver::PostgreSQL;
    const QLocale locale;
    qsizetype listed = 0;
    ranks.listed = -1;
    const bool stored = inTransaction(database, [&] {
        // Texts compare by code point, as the history's columns do.
        const QString text = postgres ? QStringLiteral("text COLLATE \"C\"") : QStringLiteral("TEXT");
        const QString integer = postgres ? QStringLiteral("integer") : QStringLiteral("INTEGER");
        const QString create = ranked.numbered
            ? QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS %1 (rank %2 PRIMARY KEY, name %3, number %2, "
                             "UNIQUE (name, number))")
            : QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS %1 (rank %2 PRIMARY KEY, name %3 UNIQUE)");
        // The first ranks of a session create their table, which a commit
        // would wait to have on disk: they are gone with the session anyway.
        QStringList preparation { create.arg(ranked.table, integer, text),
            QStringLiteral("DELETE FROM ") + ranked.table };
        if (postgres)
            preparation.prepend(QStringLiteral("SET LOCAL synchronous_commit = off"));
        if (!execAllLogged(database, preparation))
            return false;
        const QString columns = ranked.numbered ? QStringLiteral("name, number") : QStringLiteral("name");
        const auto read = statements.run(QStringLiteral("SELECT %1 FROM %2 ORDER BY %1").arg(columns, ranked.listing));
        if (!read)
            return false;
        QStringList names;
        QVariantList numbers;
        while (read->next()) {
            ++listed;
            const QString name = textValue(read->value(0).toString());
            if (ranked.numbered)
                numbers.append(read->value(1));
            else if (!names.isEmpty() && names.last() == name)
                continue;
            names.append(name);
        }
        if (read->lastError().isValid())
            return false;
        QList<qsizetype> order(names.size());
        std::iota(order.begin(), order.end(), 0);
        collatedSort(
            order, [&names](qsizetype row) { return names.at(row); }, std::less<qsizetype>(), Qt::AscendingOrder);
        QVariantList sortedNames;
        QVariantList sortedNumbers;
        QVariantList rows; // rank, name (, number), rank, ...
        for (qsizetype row : std::as_const(order)) {
            sortedNames << names.at(row);
            rows << sortedNames.size() << names.at(row);
            if (ranked.numbered) {
                sortedNumbers << numbers.at(row);
                rows << numbers.at(row);
            }
        }
        // The server numbers the ranks where arrays can be bound; else many
        // ranks a statement.
        if (postgres) {
            QString arrays = QStringLiteral("?::text[]");
            QVariantList values { postgresArray(sortedNames) };
            if (ranked.numbered) {
                arrays += QLatin1String(", ?::integer[]");
                values << postgresArray(sortedNumbers);
            }
            return statements.run(QStringLiteral("INSERT INTO %1 (%2, rank) SELECT * FROM unnest(%3) WITH ORDINALITY")
                                      .arg(ranked.table, columns, arrays),
                       values)
                != nullptr;
        }
        const qsizetype perRank = ranked.numbered ? 3 : 2;
        return forEachChunk(
            rows,
            [&](const QVariantList& chunk) {
                return statements.run(QStringLiteral("INSERT INTO %1 VALUES %2")
                                          .arg(ranked.table,
                                              repeated(QLatin1Char('(')
                                                      + repeated(QStringLiteral("?"), QStringLiteral(", "), perRank)
                                                      + QLatin1Char(')'),
                                                  QStringLiteral(", "), chunk.size() / perRank)),
                           chunk)
                    != nullptr;
            },
            perRank * MaxRowsPerStatement);
    });
    if (!stored)
        return false;
    ranks.locale = locale;
    ranks.listed = listed;
    ranks.mayHaveGrown = false;
    return true;
}
