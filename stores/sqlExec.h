#ifndef SQLEXEC_H
#define SQLEXEC_H

class QSqlQuery;
class QString;

/// Executes the prepared \a query; a failure is logged (never the bound values).
bool execLogged(QSqlQuery& query);
/// Executes \a statement on \a query; a failure is logged.
bool execLogged(QSqlQuery& query, const QString& statement);

#endif
