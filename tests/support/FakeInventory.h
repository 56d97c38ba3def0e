#ifndef FAKEINVENTORY_H
#define FAKEINVENTORY_H

#include "stores/AbstractInventory.h"

/// An inventory in memory that records every change asked of it and can be
/// made to fail storing, as a full disk would.
class FakeInventory : public AbstractInventory
{
    Q_OBJECT

public:
    bool addItems(const QList<Item>& items) override;
    bool removeItems(const QList<Item>& items) override;
    QList<Item> items() override { return held; }

    QList<Item> held;
    QList<QList<Item>> addCalls;
    QList<QList<Item>> removeCalls;
    /// When false, changes leave the items as they are and return false.
    bool storing = true;
};

#endif
