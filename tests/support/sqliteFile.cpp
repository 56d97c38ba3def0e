#include "support/sqliteFile.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

template <typename Work> static auto withConnection(const QString& fileName, Work work)
{
    const QString name = QStringLiteral("sqliteFile");
    decltype(work(std::declval<QSqlDatabase&>())) result {};
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(fileName);
        if (database.open())
            result = work(database);
        database.close();
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}

bool runSql(const QString& fileName, const QStringList& statements)
{
    return withConnection(fileName, [&statements](QSqlDatabase& database) {
        for (const QString& statement : statements) {
            QSqlQuery query(database);
            if (!query.exec(statement)) {
                qWarning("%s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
                return false;
            }
        }
        return true;
    });
}

QVariant querySql(const QString& fileName, const QString& statement)
{
    return withConnection(fileName, [&statement](QSqlDatabase& database) {
        QSqlQuery query(database);
        return query.exec(statement) && query.next() ? query.value(0) : QVariant();
    });
}
