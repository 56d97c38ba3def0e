#include "app/Kiosk.h"

#include "app/kioskWindowFlags.h"
#include "app/openStores.h"

Kiosk::Kiosk(const ProgressNote& upgradeNote)
    : stores(openStores(clock, upgradeNote))
    , inventory(stores->inventory())
    , history(stores->history())
    , students(stores->students())
{
    window.setDataDescription([this] { return stores->description(); });
}

void Kiosk::showFullScreen()
{
    window.setWindowFlags(window.windowFlags() | KioskWindowFlags);
    window.showFullScreen();
}
