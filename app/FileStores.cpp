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
    return QCoreApplication::translate("FileStores", "The files in %1, for this kiosk alone")
        .arg(QDir::toNativeSeparators(QDir::currentPath()));
}
