#include "app/openStores.h"

#include "app/FileStores.h"
#include "app/PostgresStores.h"

#include <QSettings>

const QString DatabaseKey = QStringLiteral("database/connection");

std::unique_ptr<KioskStores> openStores(const Clock& clock, const ProgressNote& upgradeNote)
{
    const QString connection = QSettings().value(DatabaseKey).toString();
    if (connection.isEmpty())
        return std::make_unique<FileStores>(clock, upgradeNote);
    return std::make_unique<PostgresStores>(connection, clock);
}
