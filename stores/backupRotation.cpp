#include "stores/backupRotation.h"

#include "stores/backupSet.h"

#include <QDir>
#include <QDirIterator>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <functional>

namespace {

constexpr int DaysKept = 7;
constexpr int WeeksKept = 4;
constexpr int MonthsKept = 12;
constexpr int DaysBeforeDestructiveKept = 30;
// Long enough for staff to see a bad set, and for one being written to finish.
constexpr int DaysBadKept = 7;

bool isGood(const BackupSetEntry& set)
{
    return set.state == BackupManifest::State::Good;
}

qint64 folderBytes(const QString& folder)
{
    qint64 bytes = 0;
    for (QDirIterator files(folder, QDir::Files); files.hasNext();)
        bytes += files.nextFileInfo().size();
    return bytes;
}

const BackupSetEntry* newestGood(const QList<BackupSetEntry>& sets)
{
    const auto found = std::find_if(sets.cbegin(), sets.cend(), isGood);
    return found == sets.cend() ? nullptr : &*found;
}

/// Keeps the newest rotated good set of each of the latest \a count periods that \a period tells apart.
void keepNewestPerPeriod(const QList<BackupSetEntry>& sets, int count,
    const std::function<qint64(const QDate&)>& period, QSet<QString>& kept)
{
    QSet<qint64> periods;
    for (const BackupSetEntry& set : sets) {
        if (!isGood(set) || !set.reason.isEmpty())
            continue;
        const qint64 key = period(set.moment.date());
        if (periods.contains(key))
            continue;
        if (periods.size() == count)
            return;
        periods.insert(key);
        kept.insert(set.folder);
    }
}

} // namespace

QList<BackupSetEntry> listBackupSets(const QString& backupFolder)
{
    static const QRegularExpression setName(
        QStringLiteral("^(\\d{4}-\\d\\d-\\d\\dT\\d\\d-\\d\\d-\\d\\d)(-before-[a-z-]+?)?(-\\d+)?$"));
    QList<BackupSetEntry> sets;
    const QDir folder(backupFolder);
    for (const QString& name : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QRegularExpressionMatch match = setName.match(name);
        if (!match.hasMatch())
            continue;
        BackupSetEntry set;
        set.folder = folder.filePath(name);
        const BackupManifest manifest = BackupManifest::load(QDir(set.folder).filePath(ManifestName));
        set.moment = manifest.moment.isValid()
            ? manifest.moment
            : QDateTime::fromString(match.captured(1), QStringLiteral("yyyy-MM-ddTHH-mm-ss"));
        set.reason = manifest.moment.isValid() ? manifest.reason : match.captured(2).mid(8);
        set.state = manifest.state;
        set.problem = manifest.problem;
        set.bytes = folderBytes(set.folder);
        sets.append(set);
    }
    std::sort(
        sets.begin(), sets.end(), [](const BackupSetEntry& a, const BackupSetEntry& b) { return a.moment > b.moment; });
    return sets;
}

QStringList setsToRotateOut(const QList<BackupSetEntry>& sets, const QDateTime& now)
{
    QSet<QString> kept;
    if (const BackupSetEntry* newest = newestGood(sets))
        kept.insert(newest->folder);
    keepNewestPerPeriod(
        sets, DaysKept, [](const QDate& day) { return day.toJulianDay(); }, kept);
    keepNewestPerPeriod(
        sets, WeeksKept,
        [](const QDate& day) {
            int year = 0;
            const int week = day.weekNumber(&year);
            return qint64(year) * 100 + week;
        },
        kept);
    keepNewestPerPeriod(
        sets, MonthsKept, [](const QDate& day) { return qint64(day.year()) * 100 + day.month(); }, kept);
    QStringList removed;
    for (const BackupSetEntry& set : sets) {
        const bool young = isGood(set) ? !set.reason.isEmpty() && set.moment.addDays(DaysBeforeDestructiveKept) > now
                                       : set.moment.addDays(DaysBadKept) > now;
        if (!kept.contains(set.folder) && !young)
            removed.append(set.folder);
    }
    return removed;
}

QStringList setsToFreeSpace(const QList<BackupSetEntry>& sets, qint64 needed, qint64 available)
{
    const BackupSetEntry* newest = newestGood(sets);
    // Bad sets first, then rotated ones, then those made before a destructive action.
    const auto rank = [](const BackupSetEntry& set) { return !isGood(set) ? 0 : set.reason.isEmpty() ? 1 : 2; };
    QList<const BackupSetEntry*> candidates;
    for (const BackupSetEntry& set : sets)
        if (&set != newest)
            candidates.append(&set);
    std::stable_sort(candidates.begin(), candidates.end(), [&rank](const BackupSetEntry* a, const BackupSetEntry* b) {
        return rank(*a) != rank(*b) ? rank(*a) < rank(*b) : a->moment < b->moment;
    });
    QStringList removed;
    for (const BackupSetEntry* set : candidates) {
        if (available >= needed)
            break;
        removed.append(set->folder);
        available += set->bytes;
    }
    return removed;
}
