#include "stores/DatabaseInventory.h"

#include "stores/sqlBatches.h"
#include "stores/sqlExec.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

#include <functional>

/// Runs \a statement on consecutive chunks of \a items (SQLite allows at most
/// 500 terms in a compound select) in one transaction, so the change is all
/// or nothing.
static bool inChunks(
    QSqlDatabase& database, const QList<Item>& items, const std::function<bool(const QList<Item>&)>& statement)
{
    return inTransaction(database, [&] { return forEachChunk(items, statement); });
}

// The schema's versions, each the step from the one before.
static const QList<SchemaStep> Schema = {
    // 1: the table as it has always been.
    [](QSqlDatabase&, const ProgressNote&) { return true; },
};

DatabaseInventory::DatabaseInventory()
    : table(QStringLiteral("inventory"), QStringLiteral("name TEXT, number INTEGER"), Schema)
    , database(table.database())
{
}

DatabaseInventory::~DatabaseInventory() = default;

int DatabaseInventory::schemaVersion()
{
    return int(Schema.size());
}

bool DatabaseInventory::addItems(const QList<Item>& items)
{
    const bool stored
        = items.isEmpty() || inChunks(database, items, [this](const QList<Item>& chunk) { return insertOnce(chunk); });
    emit modified();
    return stored;
}

bool DatabaseInventory::removeItems(const QList<Item>& items)
{
    const bool stored
        = items.isEmpty() || inChunks(database, items, [this](const QList<Item>& chunk) { return deleteAll(chunk); });
    emit modified();
    return stored;
}

QList<Item> DatabaseInventory::items()
{
    QList<Item> result;
    QSqlQuery query(database);
    query.setForwardOnly(true);
    if (!execLogged(query, QStringLiteral("SELECT * FROM inventory")))
        return result;

    const QSqlRecord record = query.record();
    const int name = record.indexOf(QStringLiteral("name"));
    const int number = record.indexOf(QStringLiteral("number"));
    while (query.next())
        result.append(Item(query.value(name).toString(), query.value(number).toInt()));
    return result;
}

// One statement inserts each pair that the table does not hold yet; UNION
// drops pairs repeated within the list.
bool DatabaseInventory::insertOnce(const QList<Item>& items)
{
    QSqlQuery query(database);
    query.prepare(QLatin1String("INSERT OR IGNORE INTO inventory ")
        + repeated(QStringLiteral("SELECT ?, ? WHERE NOT EXISTS "
                                  "(SELECT * FROM inventory WHERE name = ? AND number = ?)"),
            QStringLiteral(" UNION "), items.size()));
    for (const Item& item : items) {
        query.addBindValue(textValue(item.name()));
        query.addBindValue(item.number());
        query.addBindValue(textValue(item.name()));
        query.addBindValue(item.number());
    }
    return execLogged(query);
}

bool DatabaseInventory::deleteAll(const QList<Item>& items)
{
    QSqlQuery query(database);
    query.prepare(QLatin1String("DELETE FROM inventory WHERE ")
        + repeated(QStringLiteral("name = ? AND number = ?"), QStringLiteral(" OR "), items.size()));
    for (const Item& item : items) {
        query.addBindValue(textValue(item.name()));
        query.addBindValue(item.number());
    }
    return execLogged(query);
}
