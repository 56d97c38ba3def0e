#include "stores/restoreBackup.h"

#include "stores/DatabaseInventory.h"
#include "stores/backupSet.h"
#include "stores/historySchema.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QVersionNumber>

#include <utility>

namespace {

int currentSchema(const QString& name)
{
    if (name == QLatin1String("inventory"))
        return DatabaseInventory::schemaVersion();
    return name == QLatin1String("history") ? int(historySchema().size()) : -1;
}

/// The files a restore replaces: the set's own and the journals SQLite would roll into them.
QStringList replacedNames()
{
    QStringList names;
    for (const QString& name : backupFileNames()) {
        names.append(name);
        if (currentSchema(name) >= 0)
            names << name + QLatin1String("-journal") << name + QLatin1String("-wal") << name + QLatin1String("-shm");
    }
    return names;
}

QString newerRelease(const BackupManifest& manifest)
{
    if (QVersionNumber::fromString(manifest.release) > QVersionNumber::fromString(QStringLiteral(BRINDLOW_VERSION)))
        return QCoreApplication::translate(
            "restoreBackup", "The set was made by Brindlow %1, newer than this one (%2).")
            .arg(manifest.release, QStringLiteral(BRINDLOW_VERSION));
    for (const BackupManifest::File& file : manifest.files)
        if (file.schema > currentSchema(file.name))
            return QCoreApplication::translate(
                "restoreBackup", "%1 in the set was written by a newer release of Brindlow.")
                .arg(file.name);
    return QString();
}

QString describe(const BackupManifest& manifest)
{
    QStringList counts;
    for (const BackupManifest::File& file : manifest.files)
        counts.append(QCoreApplication::translate("restoreBackup", "%1: %2 rows").arg(file.name).arg(file.rows));
    return counts.join(QLatin1String(", "));
}

} // namespace

std::pair<bool, QString> restoreBackupSet(const QString& setFolder, const QString& dataFolder, const QDateTime& moment)
{
    const QDir set(setFolder);
    const QDir data(dataFolder);
    const BackupManifest manifest = BackupManifest::load(set.filePath(ManifestName));
    QString problem = verifyBackupSet(setFolder, manifest);
    if (problem.isEmpty())
        problem = newerRelease(manifest);
    if (problem.isEmpty() && manifest.files.isEmpty())
        problem = QCoreApplication::translate("restoreBackup", "The set holds no file.");
    if (!problem.isEmpty())
        return { false,
            QCoreApplication::translate("restoreBackup", "The set %1 is not restored: %2")
                .arg(QDir::toNativeSeparators(setFolder), problem) };

    const QString aside
        = data.filePath(QStringLiteral("before-restore-") + moment.toString(QStringLiteral("yyyy-MM-ddTHH-mm-ss")));
    if (!QDir().mkdir(aside, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner))
        return { false,
            QCoreApplication::translate("restoreBackup", "%1 could not be made; nothing was changed.")
                .arg(QDir::toNativeSeparators(aside)) };
    QStringList moved;
    bool done = true;
    for (const QString& name : replacedNames()) {
        if (!data.exists(name))
            continue;
        if (!QFile::rename(data.filePath(name), QDir(aside).filePath(name))) {
            done = false;
            break;
        }
        moved.append(name);
    }
    QStringList copied;
    for (const BackupManifest::File& file : manifest.files) {
        if (!done)
            break;
        done = QFile::copy(set.filePath(file.name), data.filePath(file.name));
        if (done) {
            copied.append(file.name);
            QFile::setPermissions(data.filePath(file.name), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        }
    }
    if (!done) {
        // Half a restore is worse than none: the files go back as they were.
        for (const QString& name : std::as_const(copied))
            QFile::remove(data.filePath(name));
        for (const QString& name : std::as_const(moved))
            QFile::rename(QDir(aside).filePath(name), data.filePath(name));
        return { false,
            QCoreApplication::translate(
                "restoreBackup", "The set could not be copied into %1; the files there are as they were.")
                .arg(QDir::toNativeSeparators(dataFolder)) };
    }
    return { true,
        QCoreApplication::translate("restoreBackup", "Restored the set of %1 (%2). The files it replaced are in %3.")
            .arg(QLocale().toString(manifest.moment, QLocale::ShortFormat), describe(manifest),
                QDir::toNativeSeparators(aside)) };
}

bool olderFilesIn(const QString& dataFolder)
{
    const QDir data(dataFolder);
    for (const QString& name : { QStringLiteral("inventory"), QStringLiteral("history") }) {
        const int version = databaseSchemaVersion(data.filePath(name));
        if (version >= 0 && version < currentSchema(name))
            return true;
    }
    return false;
}
