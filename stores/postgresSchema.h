#ifndef POSTGRESSCHEMA_H
#define POSTGRESSCHEMA_H

#include <QStringList>

class QSqlDatabase;

enum class SchemaUpgrade { Done, TooNew, Failed };

/// Creates or upgrades the shared database's tables to this release's
/// version, recorded in the table brindlowSchema. Runs in the caller's
/// transaction, which holds the lock that keeps other kiosks out meanwhile.
SchemaUpgrade upgradePostgresSchema(QSqlDatabase& database);

/// Statements that start a copy of a whole history into the empty tables, in
/// the copy's transaction: the history's triggers stand aside until
/// postgresCopyCounts(), which counts what the copy brought at once and
/// lets them count again.
QStringList postgresCopyStart();
QStringList postgresCopyCounts();

#endif
