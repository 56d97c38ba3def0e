#ifndef SQLEXEC_H
#define SQLEXEC_H

#include <QStringList>
#include <QVariantList>

#include <functional>

class QSqlDatabase;
class QSqlQuery;

/// Executes the prepared \a query; a failure is logged (never the bound values).
bool execLogged(QSqlQuery& query);
/// Executes \a statement on \a query; a failure is logged.
bool execLogged(QSqlQuery& query, const QString& statement);
/// Executes \a statements on \a database one by one until one fails, which is logged.
bool execAllLogged(QSqlDatabase& database, const QStringList& statements);
/// Runs \a work in a transaction of \a database, committed when it succeeds
/// and rolled back when it fails; true when the work is committed.
bool inTransaction(QSqlDatabase& database, const std::function<bool()>& work);

#endif
