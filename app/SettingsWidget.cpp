#include "app/SettingsWidget.h"
#include "ui_SettingsWidget.h"

#include "app/Translations.h"
#include "pages/BackupWidget.h"
#include "pages/InventoryWidget.h"
#include "pages/PrintWidget.h"
#include "pages/StudentWidget.h"
#include "pages/UsageWidget.h"

SettingsWidget::SettingsWidget(
    AbstractInventory* inventory, AbstractHistory* history, AbstractStudentList* students, const Clock& clock)
    : inventoryWidget(new InventoryWidget(inventory))
    , studentWidget(new StudentWidget(history, students, clock))
    , printWidget(new PrintWidget(history, clock))
    , usageWidget(new UsageWidget(history, inventory, clock))
    , ui(std::make_unique<Ui::SettingsWidget>())
{
    // The form shows "Settings Home" on every sub-page and hides it on its own click.
    ui->setupUi(this);

    connect(ui->inventoryButton, &QCommandLinkButton::clicked, this, &SettingsWidget::inventoryButtonClicked);
    connect(ui->studentsButton, &QCommandLinkButton::clicked, this, &SettingsWidget::studentsButtonClicked);
    connect(ui->printingButton, &QCommandLinkButton::clicked, this, &SettingsWidget::printingButtonClicked);
    connect(ui->usageButton, &QCommandLinkButton::clicked, this, &SettingsWidget::usageButtonClicked);
    connect(ui->homeButton, &QCommandLinkButton::clicked, this, &SettingsWidget::homeButtonClicked);

    ui->settingsStack->setCurrentWidget(ui->actionPage);
    ui->homeButton->hide();

    // Each language by its own name, so that anyone finds theirs; the system's first.
    ui->languageBox->addItem(tr("As the system"), QString());
    for (const QString& language : Translations::languages())
        ui->languageBox->addItem(Translations::nativeName(language), language);
    ui->languageBox->setCurrentIndex(ui->languageBox->findData(Translations::chosen()));
    connect(ui->languageBox, &QComboBox::activated, this,
        [this](int index) { emit languageChosen(ui->languageBox->itemData(index).toString()); });

    ui->inventoryPageLayout->addWidget(inventoryWidget);
    ui->studentsPageLayout->addWidget(studentWidget);
    ui->printingPageLayout->addWidget(printWidget);
    ui->usagePageLayout->addWidget(usageWidget);
    showNotes();
}

// Deleted before the stores they point to, in the order they were made.
SettingsWidget::~SettingsWidget()
{
    delete inventoryWidget;
    delete studentWidget;
    delete printWidget;
    delete usageWidget;
    delete backupWidget;
}

void SettingsWidget::setDataDescription(const std::function<QString()>& describe)
{
    describeData = describe;
    showNotes();
}

void SettingsWidget::setBackups(Backups* backups)
{
    delete backupWidget;
    backupWidget = new BackupWidget(backups);
    // Below where the data lives.
    ui->actionPageLayout->addWidget(backupWidget, ui->actionPageLayout->rowCount(), 0);
}

void SettingsWidget::setPasswordSet(bool set)
{
    passwordSet = set;
    showNotes();
}

void SettingsWidget::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    ui->retranslateUi(this);
    ui->languageBox->setItemText(0, tr("As the system"));
    showNotes();
}

void SettingsWidget::showNotes()
{
    ui->dataLabel->setText(describeData ? tr("Data: %1").arg(describeData()) : QString());
    ui->versionLabel->setText(tr("Brindlow %1").arg(QStringLiteral(BRINDLOW_VERSION)));
    ui->passwordWarningLabel->setText(passwordSet
            ? QString()
            : tr("No administrator password: anyone at the kiosk can open these pages and close Brindlow. "
                 "Admin > Change Password sets one."));
    ui->passwordWarningLabel->setVisible(!passwordSet);
}

void SettingsWidget::homeButtonClicked()
{
    ui->settingsStack->setCurrentWidget(ui->actionPage);
}

void SettingsWidget::inventoryButtonClicked()
{
    ui->settingsStack->setCurrentWidget(ui->inventoryPage);
}

void SettingsWidget::studentsButtonClicked()
{
    ui->settingsStack->setCurrentWidget(ui->studentsPage);
}

void SettingsWidget::printingButtonClicked()
{
    ui->settingsStack->setCurrentWidget(ui->printingPage);
}

void SettingsWidget::usageButtonClicked()
{
    ui->settingsStack->setCurrentWidget(ui->usagePage);
}
