#ifndef INVENTORYWIDGET_H
#define INVENTORYWIDGET_H

#include <QWidget>

#include <memory>

class AbstractInventory;
class InventoryModel;

namespace Ui {
class InventoryWidget;
}

/// The administration page that adds runs of numbered items to the inventory
/// and removes the selected items after a confirmation.
class InventoryWidget : public QWidget
{
    Q_OBJECT

public:
    explicit InventoryWidget(AbstractInventory* inventory);
    ~InventoryWidget() override;

private slots:
    void addItems();
    void removeItems();
    void fromValueChanged();
    void toValueChanged();

private:
    std::unique_ptr<Ui::InventoryWidget> ui;
    AbstractInventory* inventory;
    std::unique_ptr<InventoryModel> model;
};

#endif
