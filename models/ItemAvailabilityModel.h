#ifndef ITEMAVAILABILITYMODEL_H
#define ITEMAVAILABILITYMODEL_H

#include "stores/Item.h"

#include <QIdentityProxyModel>

#include <optional>
#include <set>

class AbstractHistory;
class Clock;
class Entry;
class InventoryModel;

/// The rows of an inventory model, with the copies signed out today greyed
/// and explained in a tool tip, so that a student sees at once what is free.
/// The texts stay as they are.
class ItemAvailabilityModel : public QIdentityProxyModel
{
    Q_OBJECT

public:
    ItemAvailabilityModel(InventoryModel* inventoryModel, AbstractHistory* historyStore, const Clock& clockSource);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private slots:
    void refresh();
    void entryAdded(const Entry& entry);

private:
    bool isSignedOut(const QModelIndex& index) const;

    InventoryModel* inventory;
    AbstractHistory* history;
    const Clock& clock;
    // Read when a list first shows the marks, then kept up to date sign-out
    // by sign-out: with several kiosks on one database, every sign-out
    // anywhere is a change here.
    mutable std::optional<std::set<Item>> signedOut;
};

#endif
