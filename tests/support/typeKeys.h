#ifndef TYPEKEYS_H
#define TYPEKEYS_H

#include <QString>

#include <chrono>

class QWidget;

/// Types \a keys, then Return, into \a widget's window as the keyboard does
/// (the window first, then the focused widget), stamped \a pause apart: a
/// few milliseconds for a barcode scanner, a hundred or more for a person.
/// The stamps, not the clock, set the pace, so no test waits or races. With
/// \a stallAfter, the keyboard stalls for \a stall after that many keys, as a
/// scanner on a busy USB hub does.
void typeKeys(QWidget* widget, const QString& keys, std::chrono::milliseconds pause, qsizetype stallAfter = -1,
    std::chrono::milliseconds stall = std::chrono::milliseconds(200));

#endif
