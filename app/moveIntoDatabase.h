#ifndef MOVEINTODATABASE_H
#define MOVEINTODATABASE_H

#include <QString>

#include <utility>

/// Copies the kiosk files of the working directory ("inventory", "history",
/// "students.lst", registered passwords as they are) into the shared database
/// at \a connection, all or nothing. Every sign-out keeps its moment and its
/// place in the order of recording. A database that holds data already is
/// refused. Returns whether it copied, and a report for the person running it.
std::pair<bool, QString> moveIntoDatabase(const QString& connection);

#endif
