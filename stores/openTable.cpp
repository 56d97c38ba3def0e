#include "stores/openTable.h"

#include "stores/sqlExec.h"

#include <QFile>
#include <QFileInfo>
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

    if (!database.tables(QSql::Tables).contains(name)) {
        QSqlQuery create(database);
        execLogged(create, QLatin1String("CREATE TABLE ") + name + QLatin1String(" (") + columns + QLatin1Char(')'));
    }
    return database;
}

void useWriteAheadLog(QSqlDatabase& database)
{
    const QFileInfo file(database.databaseName());
    if (!database.isOpen() || !file.isWritable() || !QFileInfo(file.absolutePath()).isWritable())
        return;
    QSqlQuery walMode(database);
    execLogged(walMode, QStringLiteral("PRAGMA journal_mode = WAL"));
}

void closeTable(QSqlDatabase& database)
{
    const QString name = database.connectionName();
    // A file at rest is one file with its rollback journal, as older releases
    // and a read-only copy of the folder expect.
    if (QSqlQuery mode(database); database.isOpen() && mode.exec(QStringLiteral("PRAGMA journal_mode")) && mode.next()
        && mode.value(0).toString() == QLatin1String("wal")) {
        mode.finish();
        execLogged(mode, QStringLiteral("PRAGMA journal_mode = DELETE"));
    }
    database.close();
    database = QSqlDatabase();
    QSqlDatabase::removeDatabase(name);
}
