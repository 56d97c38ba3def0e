#include "pages/InventoryWidget.h"
#include "ui_InventoryWidget.h"

#include "models/InventoryModel.h"
#include "pages/LabelSheet.h"
#include "pages/dialogs.h"
#include "pages/languageChange.h"
#include "pages/sortMenu.h"
#include "stores/AbstractInventory.h"

#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>

// Enough to recognise a selection; a long one is counted, not listed.
constexpr qsizetype NamedInQuestion = 10;

InventoryWidget::InventoryWidget(AbstractInventory* inventoryStore)
    : ui(new Ui::InventoryWidget)
    , inventory(inventoryStore)
    , model(new InventoryModel(inventoryStore))
{
    ui->setupUi(this);
    offerSortMenus(this);
    connect(ui->fromBox, &QSpinBox::valueChanged, this, &InventoryWidget::fromValueChanged);
    connect(ui->toBox, &QSpinBox::valueChanged, this, &InventoryWidget::toValueChanged);
    connect(ui->addButton, &QPushButton::clicked, this, &InventoryWidget::addItems);
    connect(ui->itemBox, &QLineEdit::returnPressed, this, &InventoryWidget::addItems);
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
    const QList<Item> items = selectedItems();
    if (items.isEmpty())
        return;
    QStringList names;
    for (const Item& item : items.first(std::min(items.size(), NamedInQuestion)))
        names.append(item.toString());
    QString named = names.join(QLatin1String(", "));
    if (items.size() > NamedInQuestion)
        named = tr("%1 and %Ln more", nullptr, int(items.size() - NamedInQuestion)).arg(named);
    const QString question = items.size() == 1
        ? tr("Are you sure you want to delete %1?").arg(named)
        : tr("Are you sure you want to delete these %Ln copies: %1?", nullptr, int(items.size())).arg(named);
    // Deleting takes the copies' labels with them: only on purpose, never by Return.
    if (!askYesNo(this, question, Answer::No))
        return;
    if (!inventory->removeItems(items))
        showInformation(tr("The items could not be removed."));
}

QList<Item> InventoryWidget::selectedItems() const
{
    QModelIndexList rows = ui->itemView->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end());
    QList<Item> items;
    for (const QModelIndex& index : rows)
        items.append(model->item(index));
    return items;
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
    QList<Item> items = selectedItems();
    if (items.isEmpty()) {
        for (int row = 0; row < model->rowCount(); ++row)
            items.append(model->item(model->index(row, 0)));
    }
    return items;
}

void InventoryWidget::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        sortViewsAgain(this);
    }
}
