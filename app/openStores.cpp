#include "app/openStores.h"

#include "app/FileStores.h"
#include "app/PostgresStores.h"
#include "stores/restoreBackup.h"

#include <QDir>

#include <QSettings>

const QString DatabaseKey = QStringLiteral("database/connection");

std::unique_ptr<KioskStores> openStores(const Clock& clock, const ProgressNote& upgradeNote)
{
    const QString connection = QSettings().value(DatabaseKey).toString();
    if (connection.isEmpty()) {
        auto backups = std::make_unique<Backups>(clock);
        // A failure leaves the upgrade to go ahead all the same and shows on the settings' home page.
        if (olderFilesIn(QDir::currentPath()))
            backups->safeguard(QStringLiteral("schema-upgrade"));
        return std::make_unique<FileStores>(clock, upgradeNote, std::move(backups));
    }
    return std::make_unique<PostgresStores>(connection, clock);
}
