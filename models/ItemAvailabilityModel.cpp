#include "models/ItemAvailabilityModel.h"

#include "models/InventoryModel.h"
#include "stores/AbstractHistory.h"
#include "stores/Clock.h"
#include "stores/Entry.h"
#include "stores/itemOut.h"

#include <QGuiApplication>
#include <QPalette>

ItemAvailabilityModel::ItemAvailabilityModel(
    InventoryModel* inventoryModel, AbstractHistory* historyStore, const Clock& clockSource)
    : inventory(inventoryModel)
    , history(historyStore)
    , clock(clockSource)
{
    setSourceModel(inventory);
    connect(history, &AbstractHistory::rewritten, this, &ItemAvailabilityModel::refresh);
    connect(history, &AbstractHistory::added, this, &ItemAvailabilityModel::entryAdded);
    connect(&clock, &Clock::dayChanged, this, &ItemAvailabilityModel::refresh);
}

QVariant ItemAvailabilityModel::data(const QModelIndex& index, int role) const
{
    switch (role) {
    case Qt::DisplayRole:
        // Greyed out, and said in words for whoever cannot tell the grey.
        if (isSignedOut(index))
            return tr("%1 (signed out today)").arg(QIdentityProxyModel::data(index, role).toString());
        break;
    case Qt::ForegroundRole:
        if (isSignedOut(index))
            return QGuiApplication::palette().brush(QPalette::Disabled, QPalette::Text);
        break;
    case Qt::ToolTipRole:
        if (isSignedOut(index))
            return tr("Signed out today");
        break;
    default:
        break;
    }
    return QIdentityProxyModel::data(index, role);
}

bool ItemAvailabilityModel::isSignedOut(const QModelIndex& index) const
{
    // A history that cannot be read marks nothing, and is asked again next time.
    if (!signedOut)
        signedOut = itemsOut(*history, clock.today());
    return signedOut && signedOut->count(inventory->item(mapToSource(index))) != 0;
}

void ItemAvailabilityModel::refresh()
{
    signedOut.reset();
    if (rowCount() > 0)
        emit dataChanged(
            index(0, 0), index(rowCount() - 1, 0), { Qt::DisplayRole, Qt::ForegroundRole, Qt::ToolTipRole });
}

// Marks unread yet will be read with the entry in them.
void ItemAvailabilityModel::entryAdded(const Entry& entry)
{
    if (!signedOut || entry.date() != clock.today() || !signedOut->insert(entry.item()).second)
        return;
    const int row = inventory->row(entry.item());
    if (row >= 0) {
        const QModelIndex shown = mapFromSource(inventory->index(row, 0));
        emit dataChanged(shown, shown, { Qt::DisplayRole, Qt::ForegroundRole, Qt::ToolTipRole });
    }
}
