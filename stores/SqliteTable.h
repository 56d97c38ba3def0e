#ifndef SQLITETABLE_H
#define SQLITETABLE_H

#include <QList>
#include <QSqlDatabase>
#include <QString>

#include <functional>

/// One step of a file's schema: step i brings version i to version i + 1.
struct SchemaStep
{
    enum Afterwards {
        Nothing,
        /// Rewrite the whole file (VACUUM), so that what the change removed is
        /// gone from its free pages too. Takes a while on a large file, so it is announced.
        RewriteFile,
    };

    std::function<bool(QSqlDatabase&)> change;
    Afterwards afterwards = Nothing;
};

/// Told, for the person waiting at start, what is taking long.
using ProgressNote = std::function<void(const QString& note)>;

/// An SQLite file of the working directory holding the table of the same name,
/// with its schema brought up to date: the file records its version, and each
/// missing step runs once, in a transaction with its new version number. A file
/// from a newer release is not touched at all.
class SqliteTable
{
public:
    /// Opens the file \a name (creating \a name with \a columns when missing)
    /// and applies the steps of \a schema that it has not had yet; a step that
    /// rewrites the file is announced to \a note first.
    SqliteTable(const QString& name, const QString& columns, const QList<SchemaStep>& schema,
                const ProgressNote& note = {});
    ~SqliteTable();

    SqliteTable(const SqliteTable&) = delete;
    SqliteTable& operator=(const SqliteTable&) = delete;

    QSqlDatabase& database() { return handle; }
    /// Why the kiosk cannot use the file, for the person at it; empty when it can.
    QString problem() const { return refusal; }

private:
    QSqlDatabase handle;
    QString refusal;
};

#endif
