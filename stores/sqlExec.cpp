#include "stores/sqlExec.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

// \a statement is the text with its "?" placeholders: the values stay out of the log.
static bool logged(const QSqlQuery& query, const QString& statement, bool succeeded)
{
    if (!succeeded)
        qWarning("SQL statement failed: %s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
    return succeeded;
}

bool execLogged(QSqlQuery& query)
{
    return logged(query, query.lastQuery(), query.exec());
}

bool execLogged(QSqlQuery& query, const QString& statement)
{
    return logged(query, statement, query.exec(statement));
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

bool inTransaction(QSqlDatabase& database, const std::function<bool()>& work)
{
    if (!database.transaction())
        return false;
    if (work() && database.commit())
        return true;
    database.rollback();
    return false;
}
