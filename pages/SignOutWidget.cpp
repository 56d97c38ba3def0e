#include "pages/SignOutWidget.h"

#include "ui_SignOutWidget.h"

#include "models/HistoryModel.h"
#include "models/InventoryModel.h"
#include "models/ItemAvailabilityModel.h"
#include "pages/AbstractVerifier.h"
#include "pages/IdleWatcher.h"
#include "pages/ScanFilter.h"
#include "pages/dialogs.h"
#include "pages/languageChange.h"
#include "pages/sortMenu.h"
#include "stores/AbstractHistory.h"
#include "stores/AbstractStudentList.h"
#include "stores/Clock.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QTimer>

#include <algorithm>
#include <chrono>

static constexpr int FormBoxWidth = 100;
static constexpr int PlaceholderMargin = 8;

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

SignOutWidget::SignOutWidget(AbstractInventory* inventory, AbstractHistory* historyStore, AbstractStudentList* students,
    AbstractVerifier* passwordVerifier, const Clock& clockSource)
    : ui(new Ui::SignOutWidget)
    , history(historyStore)
    , verifier(passwordVerifier)
    , clock(clockSource)
    , logDate(clockSource.today())
    , inventoryModel(new InventoryModel(inventory))
    , itemModel(new ItemAvailabilityModel(inventoryModel.get(), history, clock))
    , historyModel(new HistoryModel(
          historyStore, HistoryModel::TimeColumn | HistoryModel::StudentColumn | HistoryModel::ItemColumn, logDate))
    , noticeTimer(new QTimer(this))
    // A school's cards carry digits, or IDs as the list has them; anything
    // else typed at a scanner's pace is text for the field it was typed in.
    , scanFilter(new ScanFilter(this,
          [students](const QString& text) {
              return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.isDigit(); })
                  || students->contains(text);
          }))
    // Made after the scan filter, so that its filter comes first and a scan
    // also counts as activity.
    , idleWatcher(new IdleWatcher(std::chrono::minutes(1), this))
{
    ui->setupUi(this);
    offerSortMenus(this);
    fitPlaceholders();
    connect(ui->signOutButton, &QPushButton::clicked, this, &SignOutWidget::signOutItem);
    // The keyboard alone does it: Return after the ID moves on to the password,
    // Return after the password (or on the item box, keyPressEvent) signs out.
    connect(ui->usernameBox, &QLineEdit::returnPressed, ui->passwordBox, qOverload<>(&QWidget::setFocus));
    connect(ui->passwordBox, &QLineEdit::returnPressed, this, &SignOutWidget::signOutItem);
    connect(scanFilter, &ScanFilter::itemScanned, this, &SignOutWidget::selectItem);
    connect(scanFilter, &ScanFilter::cardScanned, this, &SignOutWidget::fillInId);
    connect(scanFilter, &ScanFilter::labelUnreadable, this,
        [this] { announce(SignOutWidget::tr("Please scan the label again.")); });

    // Starts on the first item. Once the inventory changes, QComboBox would pick
    // its first row again; nobody chose that one, so the choice is cleared instead
    // (connected after the box's own reset handling, so this runs last).
    ui->itemBox->setModel(itemModel.get());
    connect(
        itemModel.get(), &QAbstractItemModel::modelReset, ui->itemBox, [this] { ui->itemBox->setCurrentIndex(-1); });

    // Sorting is on already, so the view sorts by its indicator: latest first.
    ui->entryView->setModel(historyModel.get());

    // The log shows the current day, also on a kiosk that runs for weeks.
    connect(&clock, &Clock::dayChanged, this, &SignOutWidget::followToday);

    // A student who walks away must not leave a working ID and password behind
    // for the next person at the kiosk.
    connect(idleWatcher, &IdleWatcher::idle, this, &SignOutWidget::forgetStudent);

    // Long enough to read, short enough not to greet the next student.
    noticeTimer->setSingleShot(true);
    noticeTimer->setInterval(std::chrono::seconds(6));
    connect(noticeTimer, &QTimer::timeout, ui->noticeLabel, &QLabel::clear);
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
    // Hidden, the page must not take the focus from the page that is shown.
    if (isVisible())
        ui->usernameBox->setFocus();
}

void SignOutWidget::signOutItem()
{
    const QScopedValueRollback<bool> inProgress(signingOut, true);
    if (!validateInput())
        return;

    const QString id = ui->usernameBox->text().trimmed();
    const QString password = ui->passwordBox->text().trimmed();
    const Item item = inventoryModel->item(inventoryModel->index(ui->itemBox->currentIndex(), 0));
    AbstractVerifier::Refusal refusal = AbstractVerifier::Refusal::Other;
    const auto [accepted, student] = verifier->verify(id, password, item, &refusal);
    if (!accepted) {
        // The student tries the password again; the ID was right.
        if (refusal == AbstractVerifier::Refusal::WrongPassword)
            ui->passwordBox->clear();
        return;
    }

    followToday();
    if (!history->add(student, item)) {
        // Another kiosk of a shared database may have signed it out a moment ago.
        showInformation(history->isOut(item, clock.today()).value_or(false)
                ? tr("The item is already signed out.")
                : tr("The sign-out could not be recorded. Please tell a member of staff."));
        return;
    }
    ui->usernameBox->clear();
    ui->passwordBox->clear();
    // Ready for the next student in the queue.
    ui->usernameBox->setFocus();
    announce(tr("%1 signed out %2").arg(student.name(), item.toString()));
}

void SignOutWidget::keyPressEvent(QKeyEvent* event)
{
    // The item box leaves Return unused; there it signs out, as in the password field.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && ui->itemBox->hasFocus())
        signOutItem();
    else
        QWidget::keyPressEvent(event);
}

// Whenever the page comes up, the next student can start typing at once.
void SignOutWidget::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    ui->usernameBox->setFocus();
}

void SignOutWidget::selectItem(const Item& item)
{
    const int row = inventoryModel->row(item);
    if (row < 0) {
        showInformation(tr("%1 is no longer in the inventory.").arg(item.toString()));
        return;
    }
    ui->itemBox->setCurrentIndex(row);
}

void SignOutWidget::fillInId(const QString& id)
{
    ui->usernameBox->setText(id);
    // A password typed before belongs to whoever typed it, not to this card.
    ui->passwordBox->clear();
    ui->passwordBox->setFocus();
}

void SignOutWidget::announce(const QString& notice)
{
    ui->noticeLabel->setText(notice);
    noticeTimer->start();
    // Gone in a few seconds: a screen reader must hear it now, wherever the focus is.
    QAccessibleEvent alert(ui->noticeLabel, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

bool SignOutWidget::validateInput()
{
    return requireInput(ui->usernameBox, !ui->usernameBox->text().isEmpty(), tr("The student ID cannot be empty."))
        // Trimmed, as it is checked and registered: spaces alone are no password.
        && requireInput(
            ui->passwordBox, !ui->passwordBox->text().trimmed().isEmpty(), tr("The password cannot be empty."))
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

void SignOutWidget::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        fitPlaceholders();
        sortViewsAgain(this);
        inventoryModel->sort(0);
    } else if (event->type() == QEvent::FontChange) {
        fitPlaceholders();
    }
}

// The boxes keep the form's width unless a language's placeholder, or a
// larger font, needs more.
void SignOutWidget::fitPlaceholders()
{
    for (QLineEdit* box : { ui->usernameBox, ui->passwordBox }) {
        const int width = box->fontMetrics().horizontalAdvance(box->placeholderText()) + 2 * PlaceholderMargin;
        box->setFixedWidth(std::max(FormBoxWidth, width));
    }
}
