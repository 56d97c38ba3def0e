#include "models/ItemAvailabilityModel.h"

#include "models/InventoryModel.h"
#include "stores/AbstractHistory.h"
#include "stores/Clock.h"

#include <QGuiApplication>
#include <QPalette>

ItemAvailabilityModel::ItemAvailabilityModel(InventoryModel* inventory, AbstractHistory* history, const Clock& clock)
    : inventory(inventory)
    , history(history)
    , clock(clock)
{
    setSourceModel(inventory);
    connect(history, &AbstractHistory::modified, this, &ItemAvailabilityModel::refresh);
    connect(&clock, &Clock::dayChanged, this, &ItemAvailabilityModel::refresh);
}

QVariant ItemAvailabilityModel::data(const QModelIndex& index, int role) const
{
    switch (role) {
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
    if (!signedOut) {
        const QDate today = clock.today();
        signedOut.emplace();
        for (const Entry& entry : history->entries(today, today, {}, {}))
            signedOut->insert(entry.item());
    }
    return signedOut->count(inventory->item(mapToSource(index))) != 0;
}

void ItemAvailabilityModel::refresh()
{
    signedOut.reset();
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, 0), { Qt::ForegroundRole, Qt::ToolTipRole });
}
