#include "app/Kiosk.h"

#include "app/kioskWindowFlags.h"

Kiosk::Kiosk(const ProgressNote& upgradeNote)
    : history(clock, upgradeNote)
{
}

void Kiosk::showFullScreen()
{
    window.setWindowFlags(window.windowFlags() | KioskWindowFlags);
    window.showFullScreen();
}

QString Kiosk::problem() const
{
    return !inventory.problem().isEmpty() ? inventory.problem() : history.problem();
}
