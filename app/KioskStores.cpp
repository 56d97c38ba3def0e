#include "app/KioskStores.h"

KioskStores::~KioskStores() = default;
