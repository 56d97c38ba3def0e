#ifndef OPENTABLE_H
#define OPENTABLE_H

#include <QSqlDatabase>
#include <QString>

/// Opens the SQLite file \a name in the working directory under the connection
/// \a name and creates the table \a name with \a columns when it is missing.
/// Failures are logged; the handle is returned all the same.
QSqlDatabase openTable(const QString& name, const QString& columns);

/// Lets readers (a backup) keep a snapshot while \a database is written,
/// neither waiting for the other, until closeTable(); left as it is in a
/// folder the kiosk cannot write to, where SQLite could not keep the log.
void useWriteAheadLog(QSqlDatabase& database);

/// Closes and unregisters the connection \a database that openTable() made,
/// so that the store can be opened again in the same process.
void closeTable(QSqlDatabase& database);

#endif
