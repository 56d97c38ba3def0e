#include "app/PostgresStores.h"

#include <QCoreApplication>
#include <QRegularExpression>

PostgresStores::PostgresStores(const QString& conninfo, const Clock& clock)
    : connection(conninfo)
    , database(conninfo)
    , inventoryTable(database)
    , historyTable(database, clock)
    , studentTable(database)
{
}

QString PostgresStores::description() const
{
    // A password has no place in the connection string, but is never shown if it is there.
    QString shown = connection;
    shown.remove(QRegularExpression(QStringLiteral("password\\s*=\\s*('([^'\\\\]|\\\\.)*'|\\S*)")));
    return QCoreApplication::translate("PostgresStores", "The PostgreSQL database \"%1\", shared with other kiosks")
        .arg(shown.simplified());
}
