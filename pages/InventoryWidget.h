#ifndef INVENTORYWIDGET_H
#define INVENTORYWIDGET_H

#include "stores/Item.h"

#include <QList>
#include <QWidget>

#include <memory>

class AbstractInventory;
class InventoryModel;

namespace Ui {
class InventoryWidget;
}

/// The administration page that adds runs of numbered items to the inventory,
/// removes the selected items after a confirmation and prints their labels.
class InventoryWidget : public QWidget
{
    Q_OBJECT

public:
    explicit InventoryWidget(AbstractInventory* inventoryStore);
    ~InventoryWidget() override;

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void addItems();
    void removeItems();
    void fromValueChanged();
    void toValueChanged();
    void printLabels();

private:
    /// The selected items in the order shown.
    QList<Item> selectedItems() const;
    /// The selected items in the order shown, or every item when none is selected.
    QList<Item> itemsToLabel() const;

    std::unique_ptr<Ui::InventoryWidget> ui;
    AbstractInventory* inventory;
    std::unique_ptr<InventoryModel> model;
};

#endif
