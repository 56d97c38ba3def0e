#include "stores/postgresSession.h"

#include <QByteArrayView>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>

#include <libpq-fe.h>

static PGconn* connectionOf(QSqlDatabase& database)
{
    const QVariant value = database.driver() ? database.driver()->handle() : QVariant();
    // Qt may name the type after the struct behind libpq's typedef.
    const QByteArrayView type(value.isValid() ? value.typeName() : "");
    return type == "PGconn*" || type == "pg_conn*" ? *static_cast<PGconn* const*>(value.constData()) : nullptr;
}

bool sessionLost(QSqlDatabase& database)
{
    PGconn* connection = connectionOf(database);
    return !connection || PQstatus(connection) == CONNECTION_BAD;
}

bool outsideTransaction(QSqlDatabase& database)
{
    PGconn* connection = connectionOf(database);
    return sessionLost(database) || PQtransactionStatus(connection) == PQTRANS_IDLE;
}

QString serverError(QSqlDatabase& database)
{
    PGconn* connection = connectionOf(database);
    return connection ? QString::fromUtf8(PQerrorMessage(connection)).trimmed() : QString();
}
