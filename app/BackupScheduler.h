#ifndef BACKUPSCHEDULER_H
#define BACKUPSCHEDULER_H

#include <QObject>

#include <chrono>

class Backups;
class IdleWatcher;

/// Starts a rotated backup at the first idle moment it is due (after the daily
/// time, when the last set is a day old, or to try a failed one again), so
/// that it never runs while someone is at the kiosk.
class BackupScheduler : public QObject
{
    Q_OBJECT

public:
    /// \a quiet: how long nobody must have touched the kiosk for a moment to be idle.
    explicit BackupScheduler(Backups& backupStore, std::chrono::milliseconds quiet = std::chrono::minutes(1));

private:
    void idle();

    Backups& backups;
    IdleWatcher* watcher;
};

#endif
