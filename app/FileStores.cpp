#include "app/FileStores.h"

#include <QCoreApplication>
#include <QDir>

FileStores::FileStores(const Clock& clock, const ProgressNote& upgradeNote)
    : historyFile(clock, upgradeNote)
{
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
