#ifndef OPENSTORES_H
#define OPENSTORES_H

#include "app/KioskStores.h"
#include "stores/ProgressNote.h"

#include <memory>

class Clock;

/// The settings key of the libpq connection string of a shared database;
/// without it a kiosk keeps its data in files in its working directory.
extern const QString DatabaseKey;

/// The stores the settings choose: the shared database when a connection
/// string is stored, else the files in the working directory.
std::unique_ptr<KioskStores> openStores(const Clock& clock, const ProgressNote& upgradeNote);

#endif
