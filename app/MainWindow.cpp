#include "app/MainWindow.h"
#include "ui_MainWindow.h"

#include "app/SettingsWidget.h"
#include "app/kioskWindowFlags.h"
#include "pages/HistoryWidget.h"
#include "pages/IdleWatcher.h"
#include "pages/SignOutWidget.h"
#include "pages/dialogs.h"
#include "stores/passwordHash.h"

#include <QCloseEvent>
#include <QScopedValueRollback>
#include <QScrollArea>

static const QString PasswordKey = QStringLiteral("settings/password");

MainWindow::MainWindow(AbstractInventory* inventory, AbstractHistory* history, AbstractStudentList* students,
    AbstractVerifier* verifier, const Clock& clock)
    : signOutWidget(new SignOutWidget(inventory, history, students, verifier, clock))
    , historyWidget(new HistoryWidget(history, clock))
    , settingsWidget(new SettingsWidget(inventory, history, students, clock))
    , ui(std::make_unique<Ui::MainWindow>())
    , gate(clock)
    , administrationIdleWatcher(new IdleWatcher(std::chrono::minutes(2), this))
{
    ui->setupUi(this);
    // Large text (twice the size on a small screen) scrolls a page rather than cutting it.
    auto* pageScroller = new QScrollArea;
    pageScroller->setObjectName(QStringLiteral("pageScroller"));
    pageScroller->setFrameShape(QFrame::NoFrame);
    pageScroller->setFocusPolicy(Qt::NoFocus);
    pageScroller->setWidgetResizable(true);
    pageScroller->viewport()->setAutoFillBackground(false);
    delete ui->verticalLayout_2->replaceWidget(ui->pageStack, pageScroller);
    pageScroller->setWidget(ui->pageStack);

    connect(ui->actionToggle_Fullscreen, &QAction::triggered, this, &MainWindow::toggleFullscreen);
    connect(ui->actionChange_Password, &QAction::triggered, this, &MainWindow::changePassword);
    connect(ui->actionChange_Password, &QAction::triggered, this, &MainWindow::updatePasswordWarning);
    connect(ui->actionSettings, &QAction::triggered, this, &MainWindow::viewSettings);
    connect(ui->signOutButton, &QCheckBox::clicked, this, &MainWindow::signOutButtonClicked);
    connect(ui->historyButton, &QCheckBox::clicked, this, &MainWindow::historyButtonClicked);
    administrationIdleWatcher->setObjectName(QStringLiteral("settingsIdleWatcher"));
    connect(administrationIdleWatcher, &IdleWatcher::idle, this, &MainWindow::closeIdleAdministration);

    ui->titleStack->setCurrentWidget(ui->signOutTitlePage);
    ui->pageStack->setCurrentWidget(ui->signOutPage);

    // Adding a page to a layout also makes its page of the stack its parent.
    ui->signOutPageLayout->addWidget(signOutWidget);
    ui->historyPageLayout->addWidget(historyWidget);
    ui->settingsPageLayout->addWidget(settingsWidget);
    connect(settingsWidget, &SettingsWidget::languageChosen, this, &MainWindow::languageChosen);
}

// The pages go first and in the order they were made, while the stores they
// point to are still alive.
MainWindow::~MainWindow()
{
    delete signOutWidget;
    delete historyWidget;
    delete settingsWidget;
}

void MainWindow::setDataDescription(const std::function<QString()>& describe)
{
    settingsWidget->setDataDescription(describe);
}

void MainWindow::setBackups(Backups* backups)
{
    settingsWidget->setBackups(backups);
}

bool MainWindow::checkAdministratorPassword()
{
    const QString stored = settings.value(PasswordKey, QString()).toString();
    if (stored.isEmpty())
        return true;
    if (const std::chrono::seconds wait = gate.wait(PasswordKey); wait.count() > 0) {
        showInformation(
            tr("Too many wrong administrator passwords. Please wait %n seconds.", nullptr, int(wait.count())));
        return false;
    }

    const std::optional<QString> entered = askPassword(this, tr("Please verify the administrator password."));
    if (!entered)
        return false;
    // Compared as typed: a password with spaces must be typed with them.
    const PasswordGate::Check checked = gate.check(PasswordKey, stored, *entered);
    if (checked.outcome != PasswordGate::Outcome::Accepted) {
        showInformation(tr("Invalid password."));
        return false;
    }
    if (!checked.renewedHash.isNull())
        settings.setValue(PasswordKey, checked.renewedHash);
    return true;
}

void MainWindow::signOutButtonClicked()
{
    showSection(true, false, ui->signOutTitlePage, ui->signOutPage);
}

void MainWindow::historyButtonClicked()
{
    showSection(false, true, ui->historyTitlePage, ui->historyPage);
}

void MainWindow::viewSettings()
{
    const QScopedValueRollback<bool> busy(administering, true);
    if (!checkAdministratorPassword())
        return;
    updatePasswordWarning();
    showSection(false, false, ui->settingsTitlePage, ui->settingsPage);
    administrationIdleWatcher->restart();
}

// No password means no gate; staff must at least see that.
void MainWindow::updatePasswordWarning()
{
    settingsWidget->setPasswordSet(!settings.value(PasswordKey).toString().isEmpty());
}

// The administration left alone must not wait for the next person: neither
// the settings nor any dialog of theirs, from whichever page it was opened
// (the password prompts, a file dialog with its own boxes stacked on it).
// Each dialog is cancelled, so what it would have done is not done.
void MainWindow::closeIdleAdministration()
{
    const bool settingsShown = ui->pageStack->currentWidget() == ui->settingsPage;
    if (!administering && !settingsShown)
        return;
    cancelModalDialogs();
    if (settingsShown)
        signOutButtonClicked();
}

// Both check states are set every time: a click on the checked button has
// already unchecked it.
void MainWindow::showSection(bool signOutChecked, bool historyChecked, QWidget* title, QWidget* page)
{
    ui->signOutButton->setChecked(signOutChecked);
    ui->historyButton->setChecked(historyChecked);
    ui->titleStack->setCurrentWidget(title);
    ui->pageStack->setCurrentWidget(page);
}

void MainWindow::toggleFullscreen()
{
    const QScopedValueRollback<bool> busy(administering, true);
    if (!checkAdministratorPassword())
        return;
    // Setting the flags hides the window; the show call brings it back.
    if (isFullScreen()) {
        // The kiosk flags are always set while full screen, so this clears them.
        setWindowFlags(windowFlags() ^ KioskWindowFlags);
        showNormal();
    } else {
        setWindowFlags(windowFlags() | KioskWindowFlags);
        showFullScreen();
    }
}

void MainWindow::changePassword()
{
    const QScopedValueRollback<bool> busy(administering, true);
    if (!checkAdministratorPassword())
        return;
    // Taken as typed, spaces and all.
    const std::optional<QString> password = askPassword(this, tr("Please enter the new password."));
    if (!password)
        return;
    if (password->isEmpty()) {
        // An empty password switches the protection off: only on purpose.
        if (askYesNo(this,
                tr("Without a password, anyone at the kiosk can open the settings and close Brindlow. "
                   "Remove the administrator password?"),
                Answer::No))
            settings.setValue(PasswordKey, QStringLiteral(""));
        return;
    }
    // A mistyped password would lock the staff out.
    const std::optional<QString> again = askPassword(this, tr("Please enter the new password again."));
    if (!again)
        return;
    if (*again != *password) {
        showInformation(tr("The passwords did not match. The administrator password has not been changed."));
        return;
    }
    const QString hash = hashPassword(*password);
    if (hash.isNull()) {
        showInformation(tr("The administrator password could not be changed."));
        return;
    }
    settings.setValue(PasswordKey, hash);
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    const QScopedValueRollback<bool> busy(administering, true);
    event->setAccepted(checkAdministratorPassword());
}
