#ifndef RESTOREBACKUP_H
#define RESTOREBACKUP_H

#include <QDateTime>
#include <QString>

#include <utility>

/// Puts the backup set in \a setFolder in place of the kiosk's files in
/// \a dataFolder, which no kiosk may be using: refuses a set that fails its
/// manifest or comes from a newer release, moves the current files (and any
/// journal of theirs) aside into "before-restore-<moment>" there, never
/// deleting them, and copies the set in. Returns whether it restored, and a
/// report for the person running it (what each store holds now).
std::pair<bool, QString> restoreBackupSet(const QString& setFolder, const QString& dataFolder, const QDateTime& moment);

/// Whether a file of \a dataFolder needs a schema upgrade (is of an older release).
bool olderFilesIn(const QString& dataFolder);

#endif
