#ifndef LIBPQCONNECTION_H
#define LIBPQCONNECTION_H

#include "FloorConnection.h"

#include <QString>

struct pg_conn;
struct pg_result;

/// A connection of its own to the kiosks' PostgreSQL database: each
/// statement one round trip (PQexecParams), its values as text and its
/// result read whole, as libpq does it at the least cost.
class LibpqConnection final : public FloorConnection
{
public:
    /// \a connection: a libpq connection string.
    explicit LibpqConnection(const QString& connection);
    ~LibpqConnection() override;
    LibpqConnection(const LibpqConnection&) = delete;
    LibpqConnection& operator=(const LibpqConnection&) = delete;

    int run(const QByteArray& sql, const QVariantList& values = {}) override;
    void addToHistory(const Student& student, const Item& item) override;
    /// The number in the first column of the first row of \a sql.
    qint64 number(const QByteArray& sql, const QVariantList& values = {});

private:
    /// The result of \a sql, to be cleared by the caller; a failure ends the benchmark.
    pg_result* exec(const QByteArray& sql, const QVariantList& values);

    pg_conn* connection = nullptr;
};

#endif
