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

// The names and the numbers, each list bound as one array.
static QVariantList nameNumberArrays(const QList<Item>& items)
{
    QVariantList names;
    QVariantList numbers;
    for (const Item& item : items) {
        names << textValue(item.name());
        numbers << item.number();
    }
    return { postgresArray(names), postgresArray(numbers) };
}

bool PostgresInventory::addItems(const QList<Item>& items)
{
    return change(QStringLiteral("INSERT INTO inventory (name, number) SELECT * FROM unnest(?::text[], ?::integer[]) "
                                 "ON CONFLICT DO NOTHING"),
        items);
}

bool PostgresInventory::removeItems(const QList<Item>& items)
{
    return change(QStringLiteral("DELETE FROM inventory WHERE (name, number) IN "
                                 "(SELECT * FROM unnest(?::text[], ?::integer[]))"),
        items);
}

QList<Item> PostgresInventory::items()
{
    QList<Item> result;
    const auto query = database.statements().run(QStringLiteral("SELECT name, number FROM inventory ORDER BY rowid"));
    if (!query)
        return result;
    while (query->next())
        result.append(Item(query->value(0).toString(), query->value(1).toInt()));
    return result;
}

// The change and the notice to the other kiosks in one transaction: every
// kiosk sees the whole change or none of it.
bool PostgresInventory::change(const QString& statement, const QList<Item>& items)
{
    const bool stored = items.isEmpty() || inTransaction(database.database(), [&] {
        return database.statements().run(statement, nameNumberArrays(items))
            && database.notify(QStringLiteral("inventory"));
    });
    emit modified();
    return stored;
}
