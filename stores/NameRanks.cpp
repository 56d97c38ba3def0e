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
#include <tuple>

/// The table of an order's ranks, and the history's distinct students or items.
static std::pair<QString, QString> tablesOf(HistoryQuery::Order order)
{
    if (order == HistoryQuery::ByStudent)
        return { QStringLiteral("studentOrder"), QStringLiteral("historyStudents") };
    return { QStringLiteral("itemOrder"), QStringLiteral("historyItems") };
}

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

// Names are only ever added (clearing the history forgets the ranks), so a
// new one shows in their number, which an index counts at once.
bool NameRanks::isCurrent(Ranks& ranks)
{
    if (ranks.listed < 0 || ranks.locale != QLocale())
        return false;
    if (!ranks.mayHaveGrown)
        return true;
    const auto query = statements.run(QStringLiteral("SELECT count(*) FROM ") + tablesOf(ranks.order).second);
    if (!query || !query->next() || query->value(0).toLongLong() != ranks.listed)
        return false;
    ranks.mayHaveGrown = false;
    return true;
}

// A rank per name: the history's indexes then find a name's rows in the
// order of their ID or number. The names are read in the order of their code
// points, which names of equal keys keep; all are ranked anew, in one
// transaction (a few tens of milliseconds for 20,000 names).
bool NameRanks::build(Ranks& ranks)
{
    // Plain variables: C++17 lets no lambda capture a structured binding.
    QString table;
    QString listing;
    std::tie(table, listing) = tablesOf(ranks.order);
    QSqlDatabase& database = statements.database();
    const bool postgres = database.driver()->dbmsType() == QSqlDriver::PostgreSQL;
    const QLocale locale;
    qsizetype listed = 0;
    ranks.listed = -1;
    const bool stored = inTransaction(database, [&] {
        // Texts compare by code point, as the history's columns do.
        const QString create = postgres
            ? QStringLiteral(
                "CREATE TEMP TABLE IF NOT EXISTS %1 (rank integer PRIMARY KEY, name text COLLATE \"C\" UNIQUE)")
            : QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS %1 (rank INTEGER PRIMARY KEY, name TEXT UNIQUE)");
        // The first ranks of a session create their table, which a commit
        // would wait to have on disk: they are gone with the session anyway.
        QStringList preparation { create.arg(table), QStringLiteral("DELETE FROM ") + table };
        if (postgres)
            preparation.prepend(QStringLiteral("SET LOCAL synchronous_commit = off"));
        if (!execAllLogged(database, preparation))
            return false;
        const auto read = statements.run(QStringLiteral("SELECT name FROM %1 ORDER BY name").arg(listing));
        if (!read)
            return false;
        QStringList names;
        while (read->next()) {
            ++listed;
            const QString name = textValue(read->value(0).toString());
            if (names.isEmpty() || names.last() != name)
                names.append(name);
        }
        if (read->lastError().isValid())
            return false;
        QList<qsizetype> order(names.size());
        std::iota(order.begin(), order.end(), 0);
        collatedSort(
            order, [&names](qsizetype name) { return names.at(name); }, std::less<qsizetype>(), Qt::AscendingOrder);
        QVariantList sorted;
        for (qsizetype name : std::as_const(order))
            sorted << names.at(name);
        // The server numbers the names where arrays can be bound; else many
        // names a statement.
        if (postgres)
            return statements.run(
                       QStringLiteral("INSERT INTO %1 (name, rank) SELECT * FROM unnest(?::text[]) WITH ORDINALITY")
                           .arg(table),
                       { postgresArray(sorted) })
                != nullptr;
        QVariantList rows; // rank, name, rank, ...
        for (qsizetype rank = 0; rank < sorted.size(); ++rank)
            rows << rank + 1 << sorted.at(rank);
        return forEachChunk(
            rows,
            [&](const QVariantList& chunk) {
                return statements.run(
                           QStringLiteral("INSERT INTO %1 (rank, name) VALUES %2")
                               .arg(table, repeated(QStringLiteral("(?, ?)"), QStringLiteral(", "), chunk.size() / 2)),
                           chunk)
                    != nullptr;
            },
            2 * MaxRowsPerStatement);
    });
    if (!stored)
        return false;
    ranks.locale = locale;
    ranks.listed = listed;
    ranks.mayHaveGrown = false;
    return true;
}
