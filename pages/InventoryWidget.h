#ifndef INVENTORYWIDGET_H
#define INVENTORYWIDGET_H

#include <QWidget>

class AbstractHistory;
class AbstractInventory;
class AbstractStudentList;
class AbstractVerifier;

// Placeholder until the page is built.
class InventoryWidget : public QWidget
{
    Q_OBJECT

public:
    explicit InventoryWidget(AbstractInventory* inventory);
};

#endif
