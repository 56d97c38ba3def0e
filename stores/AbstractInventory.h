#ifndef ABSTRACTINVENTORY_H
#define ABSTRACTINVENTORY_H

#include "stores/Item.h"

#include <QList>
#include <QObject>

/// The instruments that can be lent. Changes return whether they were stored
/// and emit modified() once afterwards, stored or not.
class AbstractInventory : public QObject
{
    Q_OBJECT

public:
    ~AbstractInventory() override = default;

    /// Adds each (name, number) pair not held yet, once.
    virtual bool addItems(const QList<Item>& items) = 0;
    /// Removes every held item equal to one of \a items.
    virtual bool removeItems(const QList<Item>& items) = 0;
    /// Every held item, in the order of insertion.
    virtual QList<Item> items() = 0;

signals:
    void modified();
};

#endif
