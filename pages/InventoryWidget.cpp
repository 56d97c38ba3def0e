#include "pages/InventoryWidget.h"

InventoryWidget::InventoryWidget(AbstractInventory*)
{
}
