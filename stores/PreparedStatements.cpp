#include "stores/PreparedStatements.h"

#include "stores/postgresSession.h"
#include "stores/sqlExec.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

PreparedStatements::PreparedStatements(QSqlDatabase& connection)
    : handle(connection)
{
}

PreparedStatements::~PreparedStatements() = default;

std::shared_ptr<QSqlQuery> PreparedStatements::prepared(const QString& statement)
{
    const bool keep = handle.driver()->dbmsType() == QSqlDriver::PostgreSQL;
    if (keep) {
        if (const auto found = kept.constFind(statement); found != kept.cend())
            return *found;
    }
    auto query = std::make_shared<QSqlQuery>(handle);
    // A kept statement takes its whole result at once: one read halfway, row
    // by row, would leave the connection busy, and the other kiosks' notices
    // would wait unread behind it.
    query->setForwardOnly(!keep);
    if (!query->prepare(statement)) {
        qWarning("SQL statement failed: %s: %s", qPrintable(statement), qPrintable(query->lastError().text()));
        return nullptr;
    }
    if (keep)
        kept.insert(statement, query);
    return query;
}

std::shared_ptr<QSqlQuery> PreparedStatements::attempt(const QString& statement, const QVariantList& values)
{
    const std::shared_ptr<QSqlQuery> query = prepared(statement);
    if (!query)
        return nullptr;
    for (qsizetype i = 0; i < values.size(); ++i)
        query->bindValue(int(i), values.at(i));
    return execLogged(*query) ? query : nullptr;
}

// Inside a transaction the statement is not run again: the work before it
// went with the session.
std::shared_ptr<QSqlQuery> PreparedStatements::run(const QString& statement, const QVariantList& values)
{
    const bool repeatable = reconnectNow && outsideTransaction(handle);
    std::shared_ptr<QSqlQuery> query = attempt(statement, values);
    if (!query && repeatable && sessionLost(handle) && reconnectNow())
        query = attempt(statement, values);
    return query;
}

void PreparedStatements::forget()
{
    kept.clear();
}
