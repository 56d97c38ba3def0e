#include "app/KioskLock.h"

#include "pages/dialogs.h"

#include <QCoreApplication>
#include <QDir>

KioskLock::KioskLock()
    : lockFile(QDir::current().filePath(QStringLiteral("brindlow.lock")))
{
    // Held for months: only a lock whose process is gone is stale, never an old one.
    lockFile.setStaleLockTime(0);
}

bool KioskLock::tryAcquire()
{
    if (lockFile.tryLock(0))
        return true;
    // A folder the kiosk cannot write to cannot be overwritten by a second
    // kiosk either; the stores will report every change that fails there.
    if (lockFile.error() != QLockFile::LockFailedError) {
        qWarning("Cannot create the lock file in %s", qPrintable(QDir::currentPath()));
        return true;
    }
    qWarning("%s", qPrintable(heldMessage()));
    return false;
}

bool KioskLock::acquire()
{
    if (tryAcquire())
        return true;
    showInformation(heldMessage());
    return false;
}

QString KioskLock::heldMessage()
{
    return QCoreApplication::translate("KioskLock", "Brindlow is already running in the folder %1.")
        .arg(QDir::toNativeSeparators(QDir::currentPath()));
}
