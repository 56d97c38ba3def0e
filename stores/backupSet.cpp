#include "stores/backupSet.h"

#include "stores/sqlExec.h"
#include "stores/studentListFormat.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QThread>

#include <sqlite3.h>
#include <unistd.h>

const QString ManifestName = QStringLiteral("manifest.json");

const QStringList& backupFileNames()
{
    static const QStringList names { QStringLiteral("inventory"), QStringLiteral("history"),
        QStringLiteral("students.lst"), QStringLiteral("students.lst.before-import") };
    return names;
}

namespace {

// About a megabyte a step, written out before the next: a sign-out's commit
// on the same disk then never waits behind the write-back of the whole copy.
constexpr int PagesPerStep = 256;
// Without a snapshot (a file that could not be switched to the write-ahead
// log), a source changed between two steps makes SQLite start the copy
// again; after this many restarts the rest is copied in one step, which
// holds up a sign-out meanwhile.
constexpr int RestartsBeforeOneStep = 3;

const QFileDevice::Permissions OwnerFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

bool isDatabase(const QString& name)
{
    return !name.startsWith(QLatin1String("students.lst"));
}

/// A connection of the calling thread's own to one SQLite file, closed and
/// unregistered when it goes.
class OwnConnection
{
public:
    OwnConnection(const QString& fileName, bool readOnly)
    {
        static QAtomicInt counter;
        const QString name = QStringLiteral("backup-%1").arg(counter.fetchAndAddRelaxed(1));
        database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(fileName);
        if (readOnly)
            database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        database.open();
    }
    ~OwnConnection()
    {
        const QString name = database.connectionName();
        database.close();
        database = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
    }
    OwnConnection(const OwnConnection&) = delete;
    OwnConnection& operator=(const OwnConnection&) = delete;

    sqlite3* handle() const
    {
        const QVariant value = database.isOpen() ? database.driver()->handle() : QVariant();
        return value.isValid() && qstrcmp(value.typeName(), "sqlite3*") == 0
            ? *static_cast<sqlite3* const*>(value.constData())
            : nullptr;
    }
    /// The first column of the first row of \a statement; invalid on failure.
    QVariant value(const QString& statement)
    {
        QSqlQuery query(database);
        return execLogged(query, statement) && query.next() ? query.value(0) : QVariant();
    }

    QSqlDatabase database;
};

QString copyDatabase(const QString& source, const QString& target)
{
    OwnConnection from(source, true);
    OwnConnection to(target, false);
    if (!from.handle() || !to.handle())
        return QCoreApplication::translate("backupSet", "%1 could not be opened.")
            .arg(QDir::toNativeSeparators(from.handle() ? target : source));
    sqlite3_backup* backup = sqlite3_backup_init(to.handle(), "main", from.handle(), "main");
    if (!backup)
        return QString::fromUtf8(sqlite3_errmsg(to.handle()));
    // One snapshot for the whole copy: in write-ahead-log mode a reader holds
    // up no writer, and the kiosk's sign-outs no longer restart the copy.
    const bool snapshot = from.value(QStringLiteral("PRAGMA journal_mode")).toString() == QLatin1String("wal")
        && from.database.transaction() && from.value(QStringLiteral("SELECT count(*) FROM sqlite_schema")).isValid();
    QFile written(target);
    written.open(QIODevice::ReadOnly);
    int pages = PagesPerStep;
    int restarts = 0;
    int remaining = -1;
    int result;
    do {
        result = sqlite3_backup_step(backup, pages);
        if (result == SQLITE_OK && remaining >= 0 && sqlite3_backup_remaining(backup) >= remaining
            && ++restarts >= RestartsBeforeOneStep)
            pages = -1;
        remaining = sqlite3_backup_remaining(backup);
        if (result == SQLITE_OK && written.isOpen())
            ::fdatasync(written.handle());
        // Without a snapshot the source is free between steps, so that a waiting writer goes first.
        if (result != SQLITE_DONE)
            QThread::msleep(result == SQLITE_OK ? 1 : 5);
    } while (result == SQLITE_OK || result == SQLITE_BUSY || result == SQLITE_LOCKED);
    const int finished = sqlite3_backup_finish(backup);
    if (snapshot) {
        from.database.commit();
        // The log grew all through the copy, as the snapshot kept it from
        // being written back; written back here, off the kiosk's thread,
        // rather than by the next sign-out's commit.
        OwnConnection(source, false).value(QStringLiteral("PRAGMA wal_checkpoint(PASSIVE)"));
    }
    if (result != SQLITE_DONE)
        return QString::fromUtf8(sqlite3_errstr(result));
    if (finished != SQLITE_OK)
        return QString::fromUtf8(sqlite3_errstr(finished));
    // The copy takes the source's write-ahead-log mode along; a set is one
    // file per database, which a read-only check leaves without a log beside it.
    return to.value(QStringLiteral("PRAGMA journal_mode = DELETE")).toString() == QLatin1String("delete")
        ? QString()
        : QString::fromUtf8(sqlite3_errmsg(to.handle()));
}

QByteArray sha256(const QString& fileName)
{
    QFile file(fileName);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    return file.open(QIODevice::ReadOnly) && hash.addData(&file) ? hash.result().toHex() : QByteArray();
}

qint64 listCount(const QByteArray& bytes)
{
    QDataStream stream(bytes);
    return readStudentList(stream).size();
}

/// Rows and schema version of the database \a fileName; rows -1 when unreadable.
BackupManifest::File describeDatabase(const QString& fileName, const QString& table)
{
    OwnConnection connection(fileName, true);
    const QVariant rows = connection.value(QStringLiteral("SELECT count(*) FROM ") + table);
    const QVariant version = connection.value(QStringLiteral("PRAGMA user_version"));
    return { table, QByteArray(), rows.isValid() ? rows.toLongLong() : -1, version.isValid() ? version.toInt() : -1 };
}

/// Copies one file of the kiosk into the set and describes the copy; an empty
/// problem when it worked.
QString copyFile(const QString& source, const QString& target, const QString& name, BackupManifest::File& described)
{
    if (isDatabase(name)) {
        const QString problem = copyDatabase(source, target);
        if (!problem.isEmpty())
            return problem;
        described = describeDatabase(target, name);
    } else {
        // The kiosk replaces the list by renaming a finished file, so one read is consistent.
        QFile in(source);
        QSaveFile out(target);
        if (!in.open(QIODevice::ReadOnly))
            return in.errorString();
        const QByteArray bytes = in.readAll();
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
            return out.errorString();
        described = { name, QByteArray(), listCount(bytes), -1 };
    }
    QFile::setPermissions(target, OwnerFile);
    described.sha256 = sha256(target);
    return QString();
}

QString uniqueFolder(const QDir& backups, const QString& name)
{
    QString candidate = name;
    for (int i = 2; backups.exists(candidate); ++i)
        candidate = name + QStringLiteral("-%1").arg(i);
    return backups.filePath(candidate);
}

} // namespace

QString backupSetName(const QDateTime& moment, const QString& reason)
{
    const QString name = moment.toString(QStringLiteral("yyyy-MM-ddTHH-mm-ss"));
    return reason.isEmpty() ? name : name + QStringLiteral("-before-") + reason;
}

BackupResult writeBackupSet(
    const QString& dataFolder, const QString& backupFolder, const QDateTime& moment, const QString& reason)
{
    BackupResult result;
    const QDir data(dataFolder);
    const QDir backups(backupFolder);
    const QString folder = uniqueFolder(backups, backupSetName(moment, reason));
    // A missing folder is not made: a stick that is not plugged in would leave its place on the kiosk's own disk.
    if (!QDir().mkdir(folder, OwnerFile | QFileDevice::ExeOwner)) {
        result.problem
            = QCoreApplication::translate("backupSet", "The backup folder %1 is missing or cannot be written to.")
                  .arg(QDir::toNativeSeparators(backupFolder));
        return result;
    }
    result.folder = folder;
    result.manifest.release = QStringLiteral(BRINDLOW_VERSION);
    result.manifest.moment = moment;
    result.manifest.reason = reason;
    for (const QString& name : backupFileNames()) {
        if (!data.exists(name))
            continue;
        BackupManifest::File described;
        result.problem = copyFile(data.filePath(name), QDir(folder).filePath(name), name, described);
        if (!result.problem.isEmpty())
            break;
        result.manifest.files.append(described);
    }
    const QString manifestFile = QDir(folder).filePath(ManifestName);
    if (result.problem.isEmpty() && !result.manifest.save(manifestFile))
        result.problem = QCoreApplication::translate("backupSet", "The manifest could not be written.");
    if (!result.problem.isEmpty()) {
        // Half a set only takes room on a backup disk that is likely full.
        QDir(folder).removeRecursively();
        result.folder.clear();
        result.problem = QCoreApplication::translate("backupSet", "The backup in %1 could not be written: %2")
                             .arg(QDir::toNativeSeparators(backupFolder), result.problem);
        return result;
    }
    result.problem = verifyBackupSet(folder, result.manifest);
    result.manifest.state = result.problem.isEmpty() ? BackupManifest::State::Good : BackupManifest::State::Bad;
    result.manifest.problem = result.problem;
    if (!result.manifest.save(manifestFile) && result.problem.isEmpty())
        result.problem = QCoreApplication::translate("backupSet", "The manifest could not be written.");
    QFile::setPermissions(manifestFile, OwnerFile);
    return result;
}

QString verifyBackupSet(const QString& setFolder, const BackupManifest& manifest)
{
    const QDir folder(setFolder);
    if (!manifest.moment.isValid())
        return QCoreApplication::translate("backupSet", "The set has no readable manifest.");
    for (const BackupManifest::File& file : manifest.files) {
        const QString path = folder.filePath(file.name);
        if (!QFile::exists(path))
            return QCoreApplication::translate("backupSet", "%1 is missing.").arg(file.name);
        if (sha256(path) != file.sha256)
            return QCoreApplication::translate("backupSet", "%1 is damaged: it is not the file that was written.")
                .arg(file.name);
        if (!isDatabase(file.name)) {
            QFile in(path);
            if (!in.open(QIODevice::ReadOnly) || listCount(in.readAll()) != file.rows)
                return QCoreApplication::translate("backupSet", "%1 does not read back as the student list written.")
                    .arg(file.name);
            continue;
        }
        OwnConnection connection(path, true);
        if (connection.value(QStringLiteral("PRAGMA integrity_check")).toString() != QLatin1String("ok"))
            return QCoreApplication::translate("backupSet", "%1 fails SQLite's integrity check.").arg(file.name);
        const BackupManifest::File found = describeDatabase(path, file.name);
        if (found.rows != file.rows || found.schema != file.schema)
            return QCoreApplication::translate(
                "backupSet", "%1 holds %2 rows of version %3, not the %4 of version %5 written.")
                .arg(file.name)
                .arg(found.rows)
                .arg(found.schema)
                .arg(file.rows)
                .arg(file.schema);
    }
    return QString();
}

int databaseSchemaVersion(const QString& fileName)
{
    if (!QFile::exists(fileName))
        return -1;
    OwnConnection connection(fileName, true);
    const QVariant version = connection.value(QStringLiteral("PRAGMA user_version"));
    return version.isValid() ? version.toInt() : -1;
}
