#include "app/FileStores.h"

#include <QCoreApplication>
#include <QDir>

FileStores::FileStores(const Clock& clock, const ProgressNote& upgradeNote, std::unique_ptr<Backups> backups)
    : backupSets(std::move(backups))
    , historyFile(clock, upgradeNote)
{
    const auto safeguard = [this](const QString& action) { return backupSets->safeguard(action); };
    historyFile.setSafeguard(safeguard);
    studentFile.setSafeguard(safeguard);
}

QString FileStores::problem() const
{
    return !inventoryFile.problem().isEmpty() ? inventoryFile.problem() : historyFile.problem();
}

QString FileStores::description() const
{
    const QString files = QCoreApplication::translate("FileStores", "The files in %1, for this kiosk alone")
                              .arg(QDir::toNativeSeparators(QDir::currentPath()));
    // Shown to staff on the settings' home page, not to the students at start.
    const QString notice = historyFile.notice();
    return notice.isEmpty() ? files : files + u'\n' + notice;
}
