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

/// Where the names of an order come from, and the table of their ranks.
struct Names
{
    QString ranks;
    QString source; // the history's distinct names
    QString key; // what tells equal names apart
    bool textKey;
};

Names namesOf(HistoryQuery::Order order)
{
    if (order == HistoryQuery::ByStudent)
        return { QStringLiteral("studentOrder"), QStringLiteral("historyStudents"), QStringLiteral("id"), true };
    return { QStringLiteral("itemOrder"), QStringLiteral("historyItems"), QStringLiteral("number"), false };
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
    students.names = -1;
    items.names = -1;
}

// Names are only ever added (clearing the history forgets the ranks), so a
// new one shows in their number, which an index counts at once.
bool NameRanks::isCurrent(Ranks& ranks)
{
    if (ranks.names < 0 || ranks.locale != QLocale())
        return false;
    if (!ranks.mayHaveGrown)
        return true;
    const auto query = statements.run(QStringLiteral("SELECT count(*) FROM ") + namesOf(ranks.order).source);
    if (!query || !query->next() || query->value(0).toLongLong() != ranks.names)
        return false;
    ranks.mayHaveGrown = false;
    return true;
}

// The names are read in the order of their code points, which equal keys
// keep; all are ranked anew, in one transaction (a few tens of milliseconds
// for 20,000 names).
bool NameRanks::build(Ranks& ranks)
{
    const Names names = namesOf(ranks.order);
    QSqlDatabase& database = statements.database();
    const bool postgres = database.driver()->dbmsType() == QSqlDriver::PostgreSQL;
    const QLocale locale;
    qsizetype built = -1;
    ranks.names = -1;
    const bool stored = inTransaction(database, [&] {
        // Texts compare by code point, as the history's columns do.
        const QString text = postgres ? QStringLiteral("text COLLATE \"C\"") : QStringLiteral("TEXT");
        const QString number = postgres ? QStringLiteral("integer") : QStringLiteral("INTEGER");
        const QString create = QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS %1 (rank %2 PRIMARY KEY, name %3, "
                                              "%4 %5, UNIQUE (name, %4))")
                                   .arg(names.ranks, number, text, names.key, names.textKey ? text : number);
        if (!execAllLogged(database, { create, QStringLiteral("DELETE FROM ") + names.ranks }))
            return false;
        const auto read
            = statements.run(QStringLiteral("SELECT name, %1 FROM %2 ORDER BY name, %1").arg(names.key, names.source));
        if (!read)
            return false;
        QStringList texts;
        QVariantList keys;
        while (read->next()) {
            texts.append(textValue(read->value(0).toString()));
            const QVariant key = read->value(1);
            keys.append(names.textKey ? QVariant(textValue(key.toString())) : key);
        }
        if (read->lastError().isValid())
            return false;
        QList<qsizetype> order(texts.size());
        std::iota(order.begin(), order.end(), 0);
        collatedSort(
            order, [&texts](qsizetype name) { return texts.at(name); }, std::less<qsizetype>(), Qt::AscendingOrder);
        built = order.size();
        QVariantList sortedTexts;
        QVariantList sortedKeys;
        for (qsizetype name : std::as_const(order)) {
            sortedTexts << texts.at(name);
            sortedKeys << keys.at(name);
        }
        // The server numbers the names where arrays can be bound; else many
        // names a statement.
        if (postgres)
            return statements.run(QStringLiteral("INSERT INTO %1 (name, %2, rank) SELECT * FROM "
                                                 "unnest(?::text[], ?::%3[]) WITH ORDINALITY")
                                      .arg(names.ranks, names.key,
                                          names.textKey ? QStringLiteral("text") : QStringLiteral("integer")),
                       { postgresArray(sortedTexts), postgresArray(sortedKeys) })
                != nullptr;
        QVariantList rows; // rank, name, key, rank, ...
        for (qsizetype rank = 0; rank < built; ++rank)
            rows << rank + 1 << sortedTexts.at(rank) << sortedKeys.at(rank);
        return forEachChunk(
            rows,
            [&](const QVariantList& chunk) {
                return statements.run(
                           QStringLiteral("INSERT INTO %1 (rank, name, %2) VALUES %3")
                               .arg(names.ranks, names.key,
                                   repeated(QStringLiteral("(?, ?, ?)"), QStringLiteral(", "), chunk.size() / 3)),
                           chunk)
                    != nullptr;
            },
            3 * MaxRowsPerStatement);
    });
    if (!stored)
        return false;
    ranks.locale = locale;
    ranks.names = built;
    ranks.mayHaveGrown = false;
    return true;
}
