#ifndef POSTGRESSTORES_H
#define POSTGRESSTORES_H

#include "app/KioskStores.h"
#include "stores/PostgresDatabase.h"
#include "stores/PostgresHistory.h"
#include "stores/PostgresInventory.h"
#include "stores/PostgresStudentList.h"

/// The tables of a PostgreSQL database that several kiosks share.
class PostgresStores final : public KioskStores
{
public:
    /// \a conninfo: a libpq connection string.
    PostgresStores(const QString& conninfo, const Clock& clock);

    AbstractInventory& inventory() override { return inventoryTable; }
    AbstractHistory& history() override { return historyTable; }
    AbstractStudentList& students() override { return studentTable; }
    QString problem() const override { return database.problem(); }
    bool waitsForServer() const override { return database.unreachable(); }
    QString description() const override;

private:
    const QString connection;
    PostgresDatabase database;
    PostgresInventory inventoryTable;
    PostgresHistory historyTable;
    PostgresStudentList studentTable;
};

#endif
