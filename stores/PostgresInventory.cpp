#include "stores/PostgresInventory.h"

#include "stores/PostgresDatabase.h"
#include "stores/sqlBatches.h"
#include "stores/sqlExec.h"

#include <QSqlQuery>

PostgresInventory::PostgresInventory(PostgresDatabase& db)
    : database(db)
{
    connect(&database, &PostgresDatabase::changedElsewhere, this, [this](const QString& topic) {
        if (topic == QLatin1String("inventory"))
            emit modified();
    });
    connect(&database, &PostgresDatabase::reconnected, this, &AbstractInventory::modified);
}

static QVariantList nameNumberValues(const QList<Item>& items)
{
    QVariantList values;
    for (const Item& item : items)
        values << textValue(item.name()) << item.number();
    return values;
}

bool PostgresInventory::addItems(const QList<Item>& items)
{
    return change(items, [this](const QList<Item>& chunk) {
        QSqlQuery query(database.database());
        return execLogged(query,
            QLatin1String("INSERT INTO inventory (name, number) VALUES ")
                + repeated(QStringLiteral("(?, ?)"), QStringLiteral(", "), chunk.size())
                + QLatin1String(" ON CONFLICT DO NOTHING"),
            nameNumberValues(chunk));
    });
}

bool PostgresInventory::removeItems(const QList<Item>& items)
{
    return change(items, [this](const QList<Item>& chunk) {
        QSqlQuery query(database.database());
        return execLogged(query,
            QLatin1String("DELETE FROM inventory WHERE ")
                + repeated(QStringLiteral("(name = ? AND number = ?)"), QStringLiteral(" OR "), chunk.size()),
            nameNumberValues(chunk));
    });
}

QList<Item> PostgresInventory::items()
{
    QList<Item> result;
    QSqlQuery query(database.database());
    query.setForwardOnly(true);
    if (!execLogged(query, QStringLiteral("SELECT name, number FROM inventory ORDER BY rowid")))
        return result;
    while (query.next())
        result.append(Item(query.value(0).toString(), query.value(1).toInt()));
    return result;
}

// All chunks and the notice to the other kiosks in one transaction: every
// kiosk sees the whole change or none of it.
bool PostgresInventory::change(const QList<Item>& items, const std::function<bool(const QList<Item>&)>& statement)
{
    QSqlDatabase& handle = database.database();
    const bool stored = items.isEmpty() || inTransaction(handle, [&] {
        return forEachChunk(items, statement) && database.notify(QStringLiteral("inventory"));
    });
    emit modified();
    return stored;
}
