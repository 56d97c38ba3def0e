#ifndef DATABASEINVENTORY_H
#define DATABASEINVENTORY_H

#include "stores/AbstractInventory.h"

#include "stores/SqliteTable.h"

/// The inventory in the SQLite table "inventory" of the file "inventory".
class DatabaseInventory : public AbstractInventory
{
    Q_OBJECT

public:
    DatabaseInventory();
    ~DatabaseInventory() override;

    bool addItems(const QList<Item>& items) override;
    bool removeItems(const QList<Item>& items) override;
    QList<Item> items() override;

    /// The version of the file this release writes.
    static int schemaVersion();

    /// Why the file cannot be used; empty when it can.
    QString problem() const { return table.problem(); }

private:
    bool insertOnce(const QList<Item>& items);
    bool deleteAll(const QList<Item>& items);

    SqliteTable table;
    QSqlDatabase& database;
};

#endif
