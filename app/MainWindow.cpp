#include "app/MainWindow.h"
#include "ui_MainWindow.h"

#include "app/SettingsWidget.h"
#include "app/kioskWindowFlags.h"
#include "pages/HistoryWidget.h"
#include "pages/SignOutWidget.h"
#include "pages/dialogs.h"

#include <QCloseEvent>

static const QString PasswordKey = QStringLiteral("settings/password");

MainWindow::MainWindow(AbstractInventory* inventory, AbstractHistory* history, AbstractStudentList* students,
    AbstractVerifier* verifier, const Clock& clock)
    : signOutWidget(new SignOutWidget(inventory, history, verifier, clock))
    , historyWidget(new HistoryWidget(history, clock))
    , settingsWidget(new SettingsWidget(inventory, history, students, clock))
    , ui(std::make_unique<Ui::MainWindow>())
{
    ui->setupUi(this);

    connect(ui->actionToggle_Fullscreen, &QAction::triggered, this, &MainWindow::toggleFullscreen);
    connect(ui->actionChange_Password, &QAction::triggered, this, &MainWindow::changePassword);
    connect(ui->actionSettings, &QAction::triggered, this, &MainWindow::viewSettings);
    connect(ui->signOutButton, &QCheckBox::clicked, this, &MainWindow::signOutButtonClicked);
    connect(ui->historyButton, &QCheckBox::clicked, this, &MainWindow::historyButtonClicked);

    ui->titleStack->setCurrentIndex(2);
    ui->pageStack->setCurrentIndex(0);

    // Adding a page to a layout also makes its page of the stack its parent.
    ui->signOutPageLayout->addWidget(signOutWidget);
    ui->historyPageLayout->addWidget(historyWidget);
    ui->settingsPageLayout->addWidget(settingsWidget);
}

// The pages go first and in the order they were made, while the stores they
// point to are still alive.
MainWindow::~MainWindow()
{
    delete signOutWidget;
    delete historyWidget;
    delete settingsWidget;
}

bool MainWindow::checkAdministratorPassword()
{
    const QString password = settings.value(PasswordKey, QString()).toString();
    if (password.isEmpty())
        return true;

    const std::optional<QString> entered = askPassword(this, tr("Please verify the administrator password."));
    if (!entered)
        return false;
    // Compared as typed: a password with spaces must be typed with them.
    if (*entered == password)
        return true;
    showInformation(tr("Invalid password."));
    return false;
}

void MainWindow::signOutButtonClicked()
{
    showSection(true, false, 1, 0);
}

void MainWindow::historyButtonClicked()
{
    showSection(false, true, 2, 1);
}

void MainWindow::viewSettings()
{
    if (!checkAdministratorPassword())
        return;
    showSection(false, false, 3, 2);
}

// Both check states are set every time: a click on the checked button has
// already unchecked it.
void MainWindow::showSection(bool signOutChecked, bool historyChecked, int titleFromEnd, int page)
{
    ui->signOutButton->setChecked(signOutChecked);
    ui->historyButton->setChecked(historyChecked);
    ui->titleStack->setCurrentIndex(ui->titleStack->count() - titleFromEnd);
    ui->pageStack->setCurrentIndex(page);
}

void MainWindow::toggleFullscreen()
{
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
    if (!checkAdministratorPassword())
        return;
    // Stored as typed; an empty one switches the password off.
    if (const std::optional<QString> password = askPassword(this, tr("Please enter the new password.")))
        settings.setValue(PasswordKey, *password);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    event->setAccepted(checkAdministratorPassword());
}
