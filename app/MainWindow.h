#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "stores/PasswordGate.h"

#include <QMainWindow>
#include <QSettings>

#include <functional>
#include <memory>

class AbstractHistory;
class AbstractInventory;
class AbstractStudentList;
class AbstractVerifier;
class Backups;
class Clock;
class HistoryWidget;
class IdleWatcher;
class SettingsWidget;
class SignOutWidget;

namespace Ui {
class MainWindow;
}

/// The kiosk's only window: a sidebar choosing between the sign-out and history
/// pages, and an Admin menu whose actions, like closing, need the administrator password.
/// The password is kept hashed in the settings under "settings/password".
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow(AbstractInventory* inventory, AbstractHistory* history, AbstractStudentList* students,
        AbstractVerifier* verifier, const Clock& clock);
    ~MainWindow() override;

    /// Tells staff in the settings where the kiosk keeps its data, in words
    /// that \a describe gives in the language of the moment.
    void setDataDescription(const std::function<QString()>& describe);
    /// Tells staff in the settings how the backups go; none where the database server makes them.
    void setBackups(Backups* backups);

    /// Asks for the administrator password unless none is set; true when it may go ahead.
    bool checkAdministratorPassword();

signals:
    /// Staff chose \a language on the settings side (empty: the system's).
    void languageChosen(const QString& language);

private slots:
    void signOutButtonClicked();
    void historyButtonClicked();
    void viewSettings();
    void toggleFullscreen();
    void changePassword();
    void updatePasswordWarning();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void closeIdleAdministration();
    void showSection(bool signOutChecked, bool historyChecked, QWidget* title, QWidget* page);

    QSettings settings;
    SignOutWidget* signOutWidget;
    HistoryWidget* historyWidget;
    SettingsWidget* settingsWidget;
    std::unique_ptr<Ui::MainWindow> ui;
    PasswordGate gate; // of the administrator password
    // Closes the administration (the settings, and the dialogs of any guarded
    // action) left alone for two minutes, and goes back to Sign Out.
    IdleWatcher* administrationIdleWatcher;
    bool administering = false; // a guarded action is under way, its dialogs open
};

#endif
