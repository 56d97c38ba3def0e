#ifndef POSTGRESSCHEMA_H
#define POSTGRESSCHEMA_H

class QSqlDatabase;

enum class SchemaUpgrade { Done, TooNew, Failed };

/// Creates or upgrades the shared database's tables to this release's
/// version, recorded in the table brindlowSchema. Runs in the caller's
/// transaction, which holds the lock that keeps other kiosks out meanwhile.
SchemaUpgrade upgradePostgresSchema(QSqlDatabase& database);

#endif
