#include "pages/InventoryWidget.h"
#include "ui_InventoryWidget.h"

#include "models/InventoryModel.h"
#include "pages/LabelSheet.h"
#include "pages/dialogs.h"
#include "stores/AbstractInventory.h"

#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>

InventoryWidget::InventoryWidget(AbstractInventory* inventory)
    : ui(new Ui::InventoryWidget)
    , inventory(inventory)
    , model(new InventoryModel(inventory))
{
    ui->setupUi(this);
    connect(ui->fromBox, &QSpinBox::valueChanged, this, &InventoryWidget::fromValueChanged);
    connect(ui->toBox, &QSpinBox::valueChanged, this, &InventoryWidget::toValueChanged);
    connect(ui->addButton, &QPushButton::clicked, this, &InventoryWidget::addItems);
    connect(ui->removeButton, &QPushButton::clicked, this, &InventoryWidget::removeItems);
    connect(ui->printLabelsButton, &QPushButton::clicked, this, &InventoryWidget::printLabels);
    ui->itemView->setModel(model.get());
}

InventoryWidget::~InventoryWidget() = default;

void InventoryWidget::addItems()
{
    // " Violin" would be a second instrument beside "Violin", and a blank name no instrument at all.
    const QString name = ui->itemBox->text().trimmed();
    if (name.isEmpty()) {
        showInformation(tr("Please type the name of the instrument."));
        ui->itemBox->setFocus();
        return;
    }
    QList<Item> items;
    for (int number = ui->fromBox->value(); number <= ui->toBox->value(); ++number)
        items.append(Item(name, number));
    if (!inventory->addItems(items))
        showInformation(tr("The items could not be added."));
}

void InventoryWidget::removeItems()
{
    if (!ui->itemView->selectionModel()->hasSelection())
        return;
    if (!askYesNo(this, tr("Are you sure you want to delete the selected items?")))
        return;

    QList<Item> items;
    for (const QModelIndex& index : ui->itemView->selectionModel()->selectedIndexes())
        items.append(model->item(index));
    if (!inventory->removeItems(items))
        showInformation(tr("The items could not be removed."));
}

void InventoryWidget::fromValueChanged()
{
    if (ui->fromBox->value() > ui->toBox->value())
        ui->toBox->setValue(ui->fromBox->value());
}

void InventoryWidget::toValueChanged()
{
    if (ui->toBox->value() < ui->fromBox->value())
        ui->fromBox->setValue(ui->toBox->value());
}

void InventoryWidget::printLabels()
{
    const QList<Item> items = itemsToLabel();
    if (items.isEmpty()) {
        showInformation(tr("There are no items to print labels for."));
        return;
    }
    // Fine enough that every module of a barcode is a whole number of printer dots.
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!LabelSheet(&printer).print(items))
        showInformation(tr("The labels could not be printed."));
}

QList<Item> InventoryWidget::itemsToLabel() const
{
    QModelIndexList rows = ui->itemView->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        for (int row = 0; row < model->rowCount(); ++row)
            rows.append(model->index(row, 0));
    }
    std::sort(rows.begin(), rows.end());
    QList<Item> items;
    for (const QModelIndex& index : rows)
        items.append(model->item(index));
    return items;
}
