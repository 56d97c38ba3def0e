#ifndef SQLITECONNECTION_H
#define SQLITECONNECTION_H

#include "FloorConnection.h"

#include <QString>

struct sqlite3;
struct sqlite3_stmt;

/// A connection of its own to a database file of the kiosk.
class SqliteConnection final : public FloorConnection
{
public:
    explicit SqliteConnection(const QString& path);
    ~SqliteConnection() override;
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    int run(const QByteArray& sql, const QVariantList& values = {}) override;
    void addToHistory(const Student& student, const Item& item) override;

private:
    void read(sqlite3_stmt* statement, int column);

    sqlite3* database = nullptr;
};

#endif
