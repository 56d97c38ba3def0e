#ifndef SQLITEFILE_H
#define SQLITEFILE_H

#include <QStringList>
#include <QVariant>

// Set up and inspect database files as other programs (or older releases)
// would, through a connection of their own.

/// Runs \a statements on the SQLite file \a fileName, creating it when
/// missing; false when one of them fails.
bool runSql(const QString& fileName, const QStringList& statements);

/// The first column of the first row of \a statement on \a fileName.
QVariant querySql(const QString& fileName, const QString& statement);

#endif
