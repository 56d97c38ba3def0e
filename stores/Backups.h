#ifndef BACKUPS_H
#define BACKUPS_H

#include "stores/backupSet.h"

#include <QDateTime>
#include <QMutex>
#include <QObject>

class Clock;
class QThread;

/// The backup sets of a kiosk on files: made on request, on a thread of their
/// own or in the caller's, rotated after each good set, and how the last ones
/// went, for staff. The folder and the daily time are kept in the settings.
class Backups : public QObject
{
    Q_OBJECT

public:
    /// \a dataDir holds the kiosk's files; by default the working directory.
    explicit Backups(const Clock& clockSource, const QString& dataDir = QString());
    /// Waits for a backup under way.
    ~Backups() override;

    QString folder() const;
    /// "backups" beside the data.
    QString defaultFolder() const;
    void setFolder(const QString& folder);
    QTime dailyTime() const { return daily; }
    void setDailyTime(const QTime& time);

    /// Makes a set now in the calling thread (named after \a reason, the
    /// destructive action it comes before, when one), then rotates the folder.
    BackupResult make(const QString& reason = QString());
    /// A set before the destructive \a action; false when none could be made,
    /// and then the action must not go ahead.
    bool safeguard(const QString& action) { return make(action).problem.isEmpty(); }
    /// As make() for a rotated set, on a thread of its own; false when one is under way.
    bool start();
    bool running() const { return worker != nullptr; }

    struct Status
    {
        QDateTime lastGood;
        QString lastGoodFolder;
        QDateTime lastAttempt;
        QString failure; // of the last attempt; empty when it made a good set
    };
    Status status() const;
    /// The last attempt failed, or the last good set is more than two days old.
    bool needsAttention() const;
    /// Whether a rotated set is due: none today after the daily time, none for
    /// a day, or a failed attempt to try again.
    bool due() const;

signals:
    /// The status changed; may be emitted from the backup's thread.
    void statusChanged();

private:
    BackupResult makeAt(const QString& reason, const QDateTime& moment, const QString& target);
    void readStatus();

    const Clock& clock;
    const QString dataFolder;
    QString backupFolder;
    QTime daily;
    QThread* worker = nullptr;
    QMutex making; // one set at a time, whichever thread asks
    mutable QMutex statusLock;
    Status current;
};

#endif
