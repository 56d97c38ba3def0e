#include "stores/openTable.h"

#include "stores/sqlExec.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

QSqlDatabase openTable(const QString& name, const QString& columns)
{
    // A new file is for the kiosk's user alone, and so are its journals, to
    // which SQLite gives the file's permissions.
    if (QFile file(name); !file.exists())
        file.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner);

    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    database.setDatabaseName(name);
    if (!database.open())
        qWarning("Cannot open the database \"%s\": %s", qPrintable(name), qPrintable(database.lastError().text()));
    // With a write-ahead log a reader keeps its snapshot while the kiosk
    // writes, and neither waits for the other: a backup copying years of
    // history never holds up a sign-out, nor restarts because of one. The
    // mode stays in the file; a closing kiosk folds the log back into it.
    QSqlQuery walMode(database);
    execLogged(walMode, QStringLiteral("PRAGMA journal_mode = WAL"));

    if (!database.tables(QSql::Tables).contains(name)) {
        QSqlQuery create(database);
        execLogged(create, QLatin1String("CREATE TABLE ") + name + QLatin1String(" (") + columns + QLatin1Char(')'));
    }
    return database;
}

void closeTable(QSqlDatabase& database)
{
    const QString name = database.connectionName();
    database.close();
    database = QSqlDatabase();
    QSqlDatabase::removeDatabase(name);
}
