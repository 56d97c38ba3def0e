#ifndef KIOSKLOCK_H
#define KIOSKLOCK_H

#include <QLockFile>

/// Held for the whole run, so that a second kiosk started in the same working
/// directory does not overwrite the first one's student list.
class KioskLock
{
public:
    KioskLock();

    /// False when another kiosk holds the lock. A lock that cannot be created
    /// at all (a read-only folder) is no reason to stop.
    bool tryAcquire();
    /// As tryAcquire(), telling the person at the kiosk when it fails.
    bool acquire();
    /// Why another kiosk holds it, for the person at hand.
    static QString heldMessage();

private:
    QLockFile lockFile;
};

#endif
