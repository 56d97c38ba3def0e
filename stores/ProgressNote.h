#ifndef PROGRESSNOTE_H
#define PROGRESSNOTE_H

#include <QString>

#include <functional>

/// Shows how far a long upgrade has come ("... 40%"), so that nobody takes
/// the kiosk for hung while it works through years of history once.
using ProgressNote = std::function<void(const QString& note)>;

#endif
