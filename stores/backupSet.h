#ifndef BACKUPSET_H
#define BACKUPSET_H

#include "stores/BackupManifest.h"

#include <QStringList>

// A backup set: one folder named by its moment holding copies of the kiosk's
// files, taken while it runs, and a manifest that tells what they hold.

/// The files of a kiosk's folder a set copies (the last one only when present).
const QStringList& backupFileNames();
/// The manifest's file name inside a set.
extern const QString ManifestName;

/// "2026-12-08T18-00-00", with "-before-" and the action appended when \a reason is one.
QString backupSetName(const QDateTime& moment, const QString& reason);

struct BackupResult
{
    QString folder; // the set, when one was made
    QString problem; // empty when the set is good
    BackupManifest manifest;
};

/// Copies the files of \a dataFolder into a new set in \a backupFolder (which
/// must exist), the databases through SQLite's online backup a few pages at
/// a time so that a sign-out meanwhile waits for one step at most, writes the
/// manifest, then verifies the set and records the verdict in it.
BackupResult writeBackupSet(
    const QString& dataFolder, const QString& backupFolder, const QDateTime& moment, const QString& reason);

/// Checks the set in \a setFolder against its manifest (each database opened
/// read-only and checked whole, rows and versions counted, the student list
/// read back, every file's hash); empty when it is good.
QString verifyBackupSet(const QString& setFolder, const BackupManifest& manifest);

/// PRAGMA user_version of the SQLite file \a fileName, opened read-only; -1
/// when it is missing or not a database.
int databaseSchemaVersion(const QString& fileName);

#endif
