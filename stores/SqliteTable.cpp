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

enum class StepResult { Applied, Failed, RewriteFailed };

// The version is written in the same transaction as its step, so a kiosk
// killed halfway starts that step again next time. A rewrite cannot run in a
// transaction; the version follows it, so a rewrite cut short is done again.
static StepResult applyStep(QSqlDatabase& database, const SchemaStep& step, int version, const ProgressNote& note)
{
    const bool rewrite = step.afterwards == SchemaStep::RewriteFile;
    if (!inTransaction(
            database, [&] { return step.change(database, note) && (rewrite || setVersion(database, version)); }))
        return StepResult::Failed;
    if (!rewrite)
        return StepResult::Applied;
    QSqlQuery vacuum(database);
    return execLogged(vacuum, QStringLiteral("VACUUM")) && setVersion(database, version) ? StepResult::Applied
                                                                                         : StepResult::RewriteFailed;
}

SqliteTable::SqliteTable(
    const QString& name, const QString& columns, const QList<SchemaStep>& schema, const ProgressNote& note)
    : handle(openTable(name, columns))
{
    int version = schemaVersion(handle);
    if (version < 0) {
        // Not a database (damaged, or another program's file): every sign-out
        // would fail, so staff must hear of it now, not one refusal at a time.
        refusal = QCoreApplication::translate("SqliteTable",
            "The file \"%1\" cannot be read as a database (is it damaged?). "
            "Please tell a member of staff.")
                      .arg(name);
        qWarning("%s", qPrintable(refusal));
        return;
    }
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
    for (; version < schema.size(); ++version) {
        const StepResult result = applyStep(
            handle, schema.at(version), version + 1, note ? note : [](const QString&) {});
        if (result == StepResult::RewriteFailed) {
            // The change itself is committed and the file is sound; only its
            // old bytes may linger in free pages. The steps after it wait for
            // the rewrite, which the next start tries again.
            notes = QCoreApplication::translate("SqliteTable",
                "The file \"%1\" could not be rewritten to remove old data from "
                "its free space (is the disk full?). Brindlow tries again at its "
                "next start.")
                        .arg(name);
            qWarning("%s", qPrintable(notes));
            break;
        }
        if (result == StepResult::Failed) {
            // Half brought up to date, the file would show less than it holds.
            refusal = QCoreApplication::translate("SqliteTable",
                "The file \"%1\" could not be brought up to date (is the disk full "
                "or the folder read-only?). Please tell a member of staff.")
                          .arg(name);
            qWarning("Cannot bring the database \"%s\" to version %d", qPrintable(name), version + 1);
            return;
        }
    }
    // Only now: a refused file stays untouched, and an upgrade overwrites
    // old bytes in the file itself rather than in a log beside it.
    useWriteAheadLog(handle);
}

SqliteTable::~SqliteTable()
{
    closeTable(handle);
}
