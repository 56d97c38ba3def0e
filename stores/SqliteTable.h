#ifndef SQLITETABLE_H
#define SQLITETABLE_H

#include "stores/ProgressNote.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>

#include <functional>
#include <type_traits>
#include <utility>

/// One step of a file's schema: step i brings version i to version i + 1.
/// Long steps tell their progress through the note.
struct SchemaStep
{
    enum Afterwards {
        Nothing,
        /// Rewrite the whole file (VACUUM), so that what the change removed is
        /// gone from its free pages too. A failed rewrite leaves the file at
        /// the version before the step, its change committed, and is only
        /// told: so no step after it may be one the program needs.
        RewriteFile,
    };

    /// From any callable that takes the database and the note.
    template <typename Change,
        typename = std::enable_if_t<std::is_invocable_r_v<bool, Change&, QSqlDatabase&, const ProgressNote&>>>
    SchemaStep(Change work, Afterwards then = Nothing)
        : change(std::move(work))
        , afterwards(then)
    {
    }

    std::function<bool(QSqlDatabase&, const ProgressNote& note)> change;
    Afterwards afterwards;
};

/// An SQLite file of the working directory holding the table of the same name,
/// with its schema brought up to date: the file records its version, and each
/// missing step runs once, in a transaction with its new version number. A file
/// from a newer release is not touched at all.
class SqliteTable
{
public:
    /// Opens the file \a name (creating \a name with \a columns when missing)
    /// and applies the steps of \a schema that it has not had yet.
    SqliteTable(
        const QString& name, const QString& columns, const QList<SchemaStep>& schema, const ProgressNote& note = {});
    ~SqliteTable();

    SqliteTable(const SqliteTable&) = delete;
    SqliteTable& operator=(const SqliteTable&) = delete;

    QSqlDatabase& database() { return handle; }
    /// Why the kiosk cannot use the file, for the person at it; empty when it can.
    QString problem() const { return refusal; }
    /// What staff should know of a file the kiosk can use all the same; empty when nothing.
    QString notice() const { return notes; }

private:
    QSqlDatabase handle;
    QString refusal;
    QString notes;
};

#endif
