#include "stores/sqlExec.h"

#include <QSqlError>
#include <QSqlQuery>

static bool logged(const QSqlQuery& query, bool succeeded)
{
    if (!succeeded)
        qWarning("SQL statement failed: %s: %s", qPrintable(query.lastQuery()), qPrintable(query.lastError().text()));
    return succeeded;
}

bool execLogged(QSqlQuery& query)
{
    return logged(query, query.exec());
}

bool execLogged(QSqlQuery& query, const QString& statement)
{
    return logged(query, query.exec(statement));
}

bool execAllLogged(QSqlDatabase& database, const QStringList& statements)
{
    for (const QString& statement : statements) {
        QSqlQuery query(database);
        if (!execLogged(query, statement))
            return false;
    }
    return true;
}
