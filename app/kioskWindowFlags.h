#ifndef KIOSKWINDOWFLAGS_H
#define KIOSKWINDOWFLAGS_H

#include <Qt>

/// No title-bar buttons and always above other windows: the kiosk's full-screen mode.
constexpr Qt::WindowFlags KioskWindowFlags = Qt::CustomizeWindowHint | Qt::WindowStaysOnTopHint;

#endif
