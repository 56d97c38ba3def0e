#ifndef KIOSKSTORES_H
#define KIOSKSTORES_H

#include <QString>

class AbstractHistory;
class AbstractInventory;
class AbstractStudentList;
class Backups;

/// A kiosk's three stores behind their interfaces: the files in its working
/// directory, or a database that several kiosks share. They are built in the
/// order inventory, history, student list and destroyed in reverse.
class KioskStores
{
public:
    virtual ~KioskStores() = default;

    virtual AbstractInventory& inventory() = 0;
    virtual AbstractHistory& history() = 0;
    virtual AbstractStudentList& students() = 0;

    /// Why the kiosk cannot work with its data; empty when it can.
    virtual QString problem() const = 0;
    /// Whether the problem may go away by itself (a server that is down), so
    /// that the kiosk waits for it rather than stops.
    virtual bool waitsForServer() const = 0;
    /// Where the data lives, for staff.
    virtual QString description() const = 0;
    /// The kiosk's own backups; none where the database server makes them.
    virtual Backups* backups() { return nullptr; }
};

#endif
