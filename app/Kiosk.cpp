#include "app/Kiosk.h"

#include "app/kioskWindowFlags.h"
#include "app/openStores.h"
#include "stores/Backups.h"

Kiosk::Kiosk(const ProgressNote& upgradeNote)
    : stores(openStores(clock, upgradeNote))
    , inventory(stores->inventory())
    , history(stores->history())
    , students(stores->students())
{
    window.setDataDescription([this] { return stores->description(); });
    QObject::connect(&window, &MainWindow::languageChosen, &window,
        [this](const QString& language) { translations.choose(language); });
    window.setBackups(stores->backups());
    if (Backups* backups = stores->backups())
        backupScheduler = std::make_unique<BackupScheduler>(*backups);
}

void Kiosk::showFullScreen()
{
    window.setWindowFlags(window.windowFlags() | KioskWindowFlags);
    window.showFullScreen();
}
