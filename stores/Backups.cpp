#include "stores/Backups.h"

#include "stores/Clock.h"
#include "stores/backupRotation.h"

#include <QDir>
#include <QSettings>
#include <QStorageInfo>
#include <QThread>

#include <algorithm>

namespace {

const QString FolderKey = QStringLiteral("backups/folder");
const QString TimeKey = QStringLiteral("backups/dailyTime");
const QTime DefaultTime(18, 0);
constexpr qint64 Day = 24 * 60 * 60;
// A failure is tried again at an idle moment, but not at every one.
constexpr qint64 RetryPause = 10 * 60;

qint64 dataBytes(const QDir& data)
{
    qint64 bytes = 0;
    for (const QString& name : backupFileNames())
        bytes += QFileInfo(data.filePath(name)).size();
    return bytes;
}

} // namespace

Backups::Backups(const Clock& clockSource, const QString& dataDir)
    : clock(clockSource)
    , dataFolder(QDir(dataDir.isEmpty() ? QDir::currentPath() : dataDir).absolutePath())
{
    const QSettings settings;
    backupFolder = settings.value(FolderKey, defaultFolder()).toString();
    daily = QTime::fromString(settings.value(TimeKey).toString(), Qt::ISODate);
    if (!daily.isValid())
        daily = DefaultTime;
    readStatus();
}

Backups::~Backups()
{
    if (worker) {
        worker->wait();
        delete worker;
    }
}

QString Backups::folder() const
{
    const QMutexLocker lock(&statusLock);
    return backupFolder;
}

QString Backups::defaultFolder() const
{
    return QDir(dataFolder).filePath(QStringLiteral("backups"));
}

void Backups::setFolder(const QString& folder)
{
    QSettings().setValue(FolderKey, folder);
    {
        const QMutexLocker lock(&statusLock);
        backupFolder = folder;
    }
    readStatus();
}

void Backups::setDailyTime(const QTime& time)
{
    QSettings().setValue(TimeKey, time.toString(Qt::ISODate));
    daily = time;
}

void Backups::readStatus()
{
    const QList<BackupSetEntry> sets = listBackupSets(folder());
    const auto good = std::find_if(
        sets.cbegin(), sets.cend(), [](const BackupSetEntry& set) { return set.state == BackupManifest::State::Good; });
    {
        const QMutexLocker lock(&statusLock);
        current = Status();
        if (good != sets.cend()) {
            current.lastGood = good->moment;
            current.lastGoodFolder = good->folder;
            current.lastAttempt = good->moment;
        }
    }
    emit statusChanged();
}

Backups::Status Backups::status() const
{
    const QMutexLocker lock(&statusLock);
    return current;
}

bool Backups::needsAttention() const
{
    const Status now = status();
    return !now.failure.isEmpty() || (now.lastGood.isValid() && now.lastGood.secsTo(clock.now()) > 2 * Day);
}

bool Backups::due() const
{
    if (running())
        return false;
    const Status last = status();
    const QDateTime now = clock.now();
    if (!last.failure.isEmpty())
        return last.lastAttempt.secsTo(now) >= RetryPause;
    if (!last.lastGood.isValid() || last.lastGood.secsTo(now) > Day)
        return true;
    const QDateTime todays(now.date(), daily);
    return now >= todays && last.lastGood < todays;
}

BackupResult Backups::make(const QString& reason)
{
    return makeAt(reason, clock.now(), folder());
}

bool Backups::start()
{
    if (worker)
        return false;
    const QDateTime moment = clock.now();
    const QString target = folder();
    worker = QThread::create([this, moment, target] { makeAt(QString(), moment, target); });
    connect(worker, &QThread::finished, this, [this] {
        worker->deleteLater();
        worker = nullptr;
    });
    worker->start(QThread::LowPriority);
    return true;
}

BackupResult Backups::makeAt(const QString& reason, const QDateTime& moment, const QString& target)
{
    const QMutexLocker one(&making);
    if (target == defaultFolder())
        QDir().mkdir(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QStorageInfo storage(target);
    if (storage.isValid()) {
        // A set is about the size of the files; a tenth more for the journals SQLite writes beside them.
        const qint64 needed = dataBytes(QDir(dataFolder)) * 11 / 10;
        for (const QString& set : setsToFreeSpace(listBackupSets(target), needed, storage.bytesAvailable()))
            QDir(set).removeRecursively();
    }
    const BackupResult result = writeBackupSet(dataFolder, target, moment, reason);
    if (result.problem.isEmpty())
        for (const QString& set : setsToRotateOut(listBackupSets(target), moment))
            QDir(set).removeRecursively();
    else
        qWarning("%s", qPrintable(result.problem));
    {
        const QMutexLocker lock(&statusLock);
        current.lastAttempt = moment;
        current.failure = result.problem;
        if (result.problem.isEmpty()) {
            current.lastGood = moment;
            current.lastGoodFolder = result.folder;
        }
    }
    emit statusChanged();
    return result;
}
