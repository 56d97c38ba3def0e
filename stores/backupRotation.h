#ifndef BACKUPROTATION_H
#define BACKUPROTATION_H

#include "stores/BackupManifest.h"

// Which backup sets a backup folder keeps: the newest of each of the last 7
// days, 4 weeks and 12 months, each set made before a destructive action for
// 30 days, and always the newest good set.

struct BackupSetEntry
{
    QString folder;
    QDateTime moment;
    QString reason;
    /// Unverified also for a set without a manifest (cut short, or still being written).
    BackupManifest::State state = BackupManifest::State::Unverified;
    qint64 bytes = 0;
    QString problem;
};

/// The sets in \a backupFolder, newest first; folders not named like a set are none.
QList<BackupSetEntry> listBackupSets(const QString& backupFolder);

/// The folders of \a sets (newest first) that rotation removes at \a now.
QStringList setsToRotateOut(const QList<BackupSetEntry>& sets, const QDateTime& now);

/// The folders of \a sets (newest first) to remove, oldest rotated ones first,
/// so that \a needed bytes fit beside \a available; never the newest good set.
QStringList setsToFreeSpace(const QList<BackupSetEntry>& sets, qint64 needed, qint64 available);

#endif
