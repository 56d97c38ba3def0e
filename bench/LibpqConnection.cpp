#include "LibpqConnection.h"

#include "stores/Item.h"
#include "stores/Student.h"

#include <QDateTime>

#include <libpq-fe.h>

#include <vector>

LibpqConnection::LibpqConnection(const QString& connectionString)
    : connection(PQconnectdb(connectionString.toUtf8().constData()))
{
    if (PQstatus(connection) != CONNECTION_OK)
        qFatal("Cannot connect to %s: %s", qPrintable(connectionString), PQerrorMessage(connection));
}

LibpqConnection::~LibpqConnection()
{
    PQfinish(connection);
}

/// \a sql with PostgreSQL's numbered placeholders in place of "?" (the
/// statements hold no "?" of their own).
static QByteArray numbered(const QByteArray& sql)
{
    QByteArray result;
    int placeholders = 0;
    for (const char c : sql)
        result += c == '?' ? '$' + QByteArray::number(++placeholders) : QByteArray(1, c);
    return result;
}

pg_result* LibpqConnection::exec(const QByteArray& sql, const QVariantList& values)
{
    std::vector<QByteArray> texts;
    std::vector<const char*> parameters;
    texts.reserve(size_t(values.size()));
    for (const QVariant& value : values) {
        texts.push_back(value.toString().toUtf8());
        parameters.push_back(value.isNull() ? nullptr : texts.back().constData());
    }
    PGresult* result = PQexecParams(
        connection, numbered(sql).constData(), int(parameters.size()), nullptr, parameters.data(), nullptr, nullptr, 0);
    const ExecStatusType status = PQresultStatus(result);
    if (status != PGRES_TUPLES_OK && status != PGRES_COMMAND_OK)
        qFatal("Cannot run %s: %s", sql.constData(), PQerrorMessage(connection));
    return result;
}

int LibpqConnection::run(const QByteArray& sql, const QVariantList& values)
{
    PGresult* result = exec(sql, values);
    const int rows = PQntuples(result);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < PQnfields(result); ++column)
            checksum += *PQgetvalue(result, row, column) + PQgetlength(result, row, column);
    PQclear(result);
    return rows;
}

qint64 LibpqConnection::number(const QByteArray& sql, const QVariantList& values)
{
    PGresult* result = exec(sql, values);
    const qint64 value = PQntuples(result) && PQnfields(result) ? QByteArray(PQgetvalue(result, 0, 0)).toLongLong() : 0;
    PQclear(result);
    return value;
}

void LibpqConnection::addToHistory(const Student& student, const Item& item)
{
    const QDateTime now = QDateTime::currentDateTime();
    run("INSERT INTO history (dateTime, day, studentName, studentId, itemName, itemNumber) "
        "VALUES (?, ?, ?, ?, ?, ?) ON CONFLICT (itemName, itemNumber, day) DO NOTHING",
        { now.toMSecsSinceEpoch(), now.date(), student.name(), student.id(), item.name(), item.number() });
    run("SELECT pg_notify(?, ?)", { QStringLiteral("brindlow"), QStringLiteral("history") });
}
