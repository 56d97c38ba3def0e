#ifndef POSTGRESINVENTORY_H
#define POSTGRESINVENTORY_H

#include "stores/AbstractInventory.h"

class PostgresDatabase;

/// The inventory in the table "inventory" of a database several kiosks
/// share; a change on any of them reaches the views of all.
class PostgresInventory : public AbstractInventory
{
    Q_OBJECT

public:
    explicit PostgresInventory(PostgresDatabase& db);

    bool addItems(const QList<Item>& items) override;
    bool removeItems(const QList<Item>& items) override;
    QList<Item> items() override;

private:
    bool change(const QString& statement, const QList<Item>& items);

    PostgresDatabase& database;
};

#endif
