#include "app/BackupScheduler.h"

#include "pages/IdleWatcher.h"
#include "stores/Backups.h"

BackupScheduler::BackupScheduler(Backups& backupStore, std::chrono::milliseconds quiet)
    : backups(backupStore)
    , watcher(new IdleWatcher(quiet, this))
{
    connect(watcher, &IdleWatcher::idle, this, &BackupScheduler::idle);
}

void BackupScheduler::idle()
{
    if (backups.due())
        backups.start();
    // Asked again after each quiet spell as long as nobody comes, so the daily time is met.
    watcher->restart();
}
