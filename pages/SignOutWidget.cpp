#include "pages/SignOutWidget.h"

#include "ui_SignOutWidget.h"

#include "models/HistoryModel.h"
#include "models/InventoryModel.h"
#include "pages/AbstractVerifier.h"
#include "pages/IdleWatcher.h"
#include "pages/dialogs.h"
#include "stores/AbstractHistory.h"
#include "stores/Clock.h"

#include <QApplication>
#include <QDialog>
#include <QScopedValueRollback>

#include <chrono>

/// True when \a condition holds; otherwise tells the user \a message and puts
/// the focus on \a widget, where the missing input belongs.
static bool requireInput(QWidget* widget, bool condition, const QString& message)
{
    if (condition)
        return true;
    showInformation(message);
    widget->setFocus();
    return false;
}

SignOutWidget::SignOutWidget(AbstractInventory* inventory, AbstractHistory* history, AbstractVerifier* verifier,
                             const Clock& clock)
    : ui(new Ui::SignOutWidget)
    , history(history)
    , verifier(verifier)
    , clock(clock)
    , logDate(clock.today())
    , inventoryModel(new InventoryModel(inventory))
    , historyModel(new HistoryModel(
          history, HistoryModel::TimeColumn | HistoryModel::StudentColumn | HistoryModel::ItemColumn, logDate))
    , idleWatcher(new IdleWatcher(std::chrono::minutes(1), this))
{
    ui->setupUi(this);
    connect(ui->signOutButton, &QPushButton::clicked, this, &SignOutWidget::signOutItem);

    // Starts on the first item. Once the inventory changes, QComboBox would pick
    // its first row again; nobody chose that one, so the choice is cleared instead
    // (connected after the box's own reset handling, so this runs last).
    ui->itemBox->setModel(inventoryModel.get());
    connect(inventoryModel.get(), &QAbstractItemModel::modelReset, ui->itemBox,
        [this] { ui->itemBox->setCurrentIndex(-1); });

    // Sorting is on already, so the view sorts by its indicator: latest first.
    ui->entryView->setModel(historyModel.get());

    // The log shows the current day, also on a kiosk that runs for weeks.
    connect(&clock, &Clock::dayChanged, this, &SignOutWidget::followToday);

    // A student who walks away must not leave a working ID and password behind
    // for the next person at the kiosk.
    connect(idleWatcher, &IdleWatcher::idle, this, &SignOutWidget::forgetStudent);
}

SignOutWidget::~SignOutWidget() = default;

void SignOutWidget::setIdleInterval(std::chrono::milliseconds interval)
{
    idleWatcher->setInterval(interval);
}

void SignOutWidget::forgetStudent()
{
    // A dialog of a sign-out still waiting for the student is refused first.
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()); dialog && signingOut)
        dialog->reject();
    ui->usernameBox->clear();
    ui->passwordBox->clear();
}

void SignOutWidget::signOutItem()
{
    const QScopedValueRollback<bool> inProgress(signingOut, true);
    if (!validateInput())
        return;

    const QString id = ui->usernameBox->text().trimmed();
    const QString password = ui->passwordBox->text().trimmed();
    const Item item = inventoryModel->item(inventoryModel->index(ui->itemBox->currentIndex(), 0));
    const auto [accepted, student] = verifier->verify(id, password, item);
    if (!accepted)
        return;

    followToday();
    if (!history->add(student, item)) {
        showInformation(tr("The sign-out could not be recorded. Please tell a member of staff."));
        return;
    }
    ui->usernameBox->clear();
    ui->passwordBox->clear();
}

bool SignOutWidget::validateInput()
{
    return requireInput(ui->usernameBox, !ui->usernameBox->text().isEmpty(), tr("The student ID cannot be empty."))
        && requireInput(ui->passwordBox, !ui->passwordBox->text().isEmpty(), tr("The password cannot be empty."))
        && requireInput(ui->itemBox, ui->itemBox->currentIndex() >= 0, tr("Please choose an instrument."));
}

void SignOutWidget::followToday()
{
    const QDate date = clock.today();
    if (date == logDate)
        return;
    logDate = date;
    historyModel->setFilter(date, date, {}, {});
}
