#include "stores/SqliteTable.h"

#include "stores/openTable.h"
#include "stores/sqlExec.h"

#include <QCoreApplication>
#include <QSqlQuery>

static int schemaVersion(QSqlDatabase& database)
{
    QSqlQuery query(database);
    return execLogged(query, QStringLiteral("PRAGMA user_version")) && query.next() ? query.value(0).toInt() : -1;
}

static bool setVersion(QSqlDatabase& database, int version)
{
    QSqlQuery query(database);
    return execLogged(query, QStringLiteral("PRAGMA user_version = %1").arg(version));
}

// The version is written in the same transaction as its step, so a kiosk
// killed halfway starts that step again next time. A rewrite cannot run in a
// transaction; the version follows it, so a rewrite cut short is done again.
static bool applyStep(QSqlDatabase& database, const SchemaStep& step, int version, const ProgressNote& note)
{
    if (!database.transaction())
        return false;
    const bool rewrite = step.afterwards == SchemaStep::RewriteFile;
    if (!step.change(database, note) || (!rewrite && !setVersion(database, version)) || !database.commit()) {
        database.rollback();
        return false;
    }
    if (!rewrite)
        return true;
    QSqlQuery vacuum(database);
    return execLogged(vacuum, QStringLiteral("VACUUM")) && setVersion(database, version);
}

SqliteTable::SqliteTable(const QString& name, const QString& columns, const QList<SchemaStep>& schema,
                         const ProgressNote& note)
    : handle(openTable(name, columns))
{
    int version = schemaVersion(handle);
    if (version > schema.size()) {
        // Its tables may mean something this release does not know; writing
        // to them could spoil the newer kiosk's data.
        refusal = QCoreApplication::translate("SqliteTable",
                                              "The file \"%1\" was written by a newer version of Brindlow. "
                                              "Please install that version on this computer too.")
                      .arg(name);
        qWarning("%s", qPrintable(refusal));
        handle.close();
        return;
    }
    for (; version >= 0 && version < schema.size(); ++version) {
        if (!applyStep(handle, schema.at(version), version + 1, note ? note : [](const QString&) {})) {
            // Half brought up to date, the file would show less than it holds.
            refusal = QCoreApplication::translate("SqliteTable",
                                                  "The file \"%1\" could not be brought up to date (is the disk full "
                                                  "or the folder read-only?). Please tell a member of staff.")
                          .arg(name);
            qWarning("Cannot bring the database \"%s\" to version %d", qPrintable(name), version + 1);
            return;
        }
    }
}

SqliteTable::~SqliteTable()
{
    closeTable(handle);
}
