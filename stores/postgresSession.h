#ifndef POSTGRESSESSION_H
#define POSTGRESSESSION_H

#include <QString>

class QSqlDatabase;

// What libpq knows of a PostgreSQL connection and Qt's driver does not tell.

/// Whether the server's session of \a database is gone (the server went away).
bool sessionLost(QSqlDatabase& database);

/// Whether \a database is outside a transaction, or its session is gone with
/// any transaction it had: a statement may then be run again on a new session.
bool outsideTransaction(QSqlDatabase& database);

/// The server's message for the last statement that failed on \a database.
QString serverError(QSqlDatabase& database);

#endif
