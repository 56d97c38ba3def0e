#ifndef BACKUPMANIFEST_H
#define BACKUPMANIFEST_H

#include <QDateTime>
#include <QList>
#include <QString>

/// What one backup set holds: written beside its files, read back to verify
/// the set and to restore it.
struct BackupManifest
{
    struct File
    {
        QString name;
        QByteArray sha256; // hex
        qint64 rows = 0;
        int schema = -1; // PRAGMA user_version of a database, -1 for a list
    };
    enum class State { Unverified, Good, Bad };

    QString release;
    QDateTime moment;
    /// Empty for a rotated set, else the destructive action it was made before.
    QString reason;
    State state = State::Unverified;
    QString problem; // why a bad set is bad
    QList<File> files;

    const File* file(const QString& name) const;

    /// False when the file cannot be written in full.
    bool save(const QString& fileName) const;
    /// Nothing (an empty file list and no moment) when the file is missing or unreadable.
    static BackupManifest load(const QString& fileName);
};

#endif
