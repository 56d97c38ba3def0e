#include "app/Kiosk.h"
#include "pages/IdleWatcher.h"
#include "stores/passwordHash.h"
#include "support/DialogAnswerer.h"
#include "support/PseudoTranslator.h"
#include "support/TestWorkspace.h"
#include "support/clickButton.h"
#include "support/namedChild.h"
#include "support/sqliteFile.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCommandLinkButton>
#include <QDataStream>
#include <QDateEdit>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSettings>
#include <QStackedWidget>
#include <QTest>
#include <QTreeView>

#include <ctime>
#include <functional>
#include <memory>

namespace {

const QString PasswordKey = QStringLiteral("settings/password");
const QString VerifyPrompt = QStringLiteral("Please verify the administrator password.");
const QString NewPrompt = QStringLiteral("Please enter the new password.");
const QString AgainPrompt = QStringLiteral("Please enter the new password again.");
const QString RemovePrompt = QStringLiteral("Without a password, anyone at the kiosk can open the settings and close "
                                            "Brindlow. Remove the administrator password?");
const QString Invalid = QStringLiteral("Invalid password.");

/// A null \a password removes it from the settings.
void storePassword(const QString& password)
{
    QSettings settings;
    if (password.isNull())
        settings.remove(PasswordKey);
    else
        settings.setValue(PasswordKey, password);
}

QString sidebarStyleSheet(const QString& image)
{
    return "QCheckBox::indicator\n{\n\twidth: 48px;\n\theight: 48px;\n\tsubcontrol-position: Right;\n\timage: url("
        + image
        + ");\n}\n\n"
          "QCheckBox::checked\n{\n"
          "\tbackground-color: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 palette(midlight), stop:1 "
          "palette(base));\n"
          "\tborder-top: 2px solid qlineargradient(x1:0, y1:1, x2:0, y2:0, stop:0 palette(shadow), stop:1 "
          "palette(midlight));\n"
          "\tborder-bottom: 2px solid qlineargradient(x1:0, y1:1, x2:0, y2:0, stop:0 palette(midlight), stop:1 "
          "palette(shadow));\n"
          "}\n\n"
          "QCheckBox\n{\n\tbackground-color: none;\n\ttext-align: centre;\n}";
}

} // namespace

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void form_data();
    void form();
    void adminMenu();
    void sidebarImagesLoad_data();
    void sidebarImagesLoad();
    void gate_data();
    void gate();
    void gateHeldAfterFiveWrongPasswords();
    void sections_data();
    void sections();
    void fullscreenToggle_data();
    void fullscreenToggle();
    void changePassword_data();
    void changePassword();
    void settingsKeepTheirSubPage_data();
    void settingsKeepTheirSubPage();
    void idleSettingsClose_data();
    void idleSettingsClose();
    void idleAdministrationCancelsEveryDialog_data();
    void idleAdministrationCancelsEveryDialog();
    void pagesFollowANewTimeZone();
    void settingsStayInTheWorkspace();
    void noPasswordIsToldOnTheSettingsHome_data();
    void noPasswordIsToldOnTheSettingsHome();
    void idFieldHasTheFocus_data();
    void idFieldHasTheFocus();
    void studentListWrittenAfterTeardown();
    void everyControlHasAnAccessibleName();
    void everyControlIsReachedByTab();
    void adminMenuFromTheKeyboard();
    void languageSwitchChangesEveryText_data();
    void languageSwitchChangesEveryText();
    void everyPageFits_data();
    void everyPageFits();

private:
    void showEveryPage(const std::function<void(const QString& page)>& onEach);
    QStringList visibleTexts();
    template <typename T> T* child(const QString& name);
    void click(const QString& name);
    void answer(DialogAnswerer& answerer, const QStringList& dialogs, const QString& typed);

    std::unique_ptr<TestWorkspace> workspace;
    std::unique_ptr<Kiosk> kiosk;
};

void tst_MainWindow::initTestCase()
{
    // A test closes the window; that must not end the application.
    QApplication::setQuitOnLastWindowClosed(false);
}

void tst_MainWindow::init()
{
    workspace = std::make_unique<TestWorkspace>();
    kiosk = std::make_unique<Kiosk>();
    kiosk->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&kiosk->window));
}

void tst_MainWindow::cleanup()
{
    kiosk.reset();
    workspace.reset();
}

template <typename T> T* tst_MainWindow::child(const QString& name)
{
    return namedChild<T>(&kiosk->window, name);
}

/// Clicks a sidebar check box or a settings button, or triggers an action, by object name.
void tst_MainWindow::click(const QString& name)
{
    if (auto* action = kiosk->window.findChild<QAction*>(name)) {
        action->trigger();
        return;
    }
    auto* button = child<QAbstractButton>(name);
    QVERIFY2(button->isVisible(), qPrintable(name + " is not visible"));
    clickButton(button);
}

/// Queues an answer for each expected dialog, named by its text.
void tst_MainWindow::answer(DialogAnswerer& answerer, const QStringList& dialogs, const QString& typed)
{
    for (const QString& dialog : dialogs) {
        if (dialog == VerifyPrompt)
            typed.isNull() ? answerer.reject() : answerer.answerInput(typed);
        else if (dialog == NewPrompt || dialog == AgainPrompt)
            answerer.answerInput(QStringLiteral("changed"));
        else
            answerer.answerMessage(QMessageBox::Ok);
    }
}

void tst_MainWindow::form_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("value");

    QTest::newRow("sign-out style sheet")
        << "signOutButton" << QByteArray("styleSheet") << QVariant(sidebarStyleSheet(":/MainWindow/SignOut"));
    QTest::newRow("history style sheet") << "historyButton" << QByteArray("styleSheet")
                                         << QVariant(sidebarStyleSheet(":/MainWindow/History"));
    QTest::newRow("sign-out tool tip")
        << "signOutButton" << QByteArray("toolTip")
        << QVariant("<html><head/><body><p><span style=\" font-weight:600;\">Sign Out</span></p><p>Sign out "
                    "instruments, and view a log of today's activity.</p></body></html>");
    QTest::newRow("history tool tip")
        << "historyButton" << QByteArray("toolTip")
        << QVariant("<html><head/><body><p><span style=\" font-weight:600;\">History</span></p><p>View a log of all "
                    "activity over the past year, and search for specific entries.</p></body></html>");
    QTest::newRow("F11") << "actionToggle_Fullscreen" << QByteArray("shortcut") << QVariant(QKeySequence(Qt::Key_F11));
}

void tst_MainWindow::form()
{
    QFETCH(QString, object);
    QFETCH(QByteArray, property);
    QFETCH(QVariant, value);

    QObject* found = child<QObject>(object);
    QVERIFY(found);
    QCOMPARE(found->property(property), value);
}

void tst_MainWindow::adminMenu()
{
    QStringList actions;
    for (QAction* action : child<QMenu>("menuAdmin")->actions())
        actions << action->objectName();
    QCOMPARE(actions, QStringList({ "actionChange_Password", "actionToggle_Fullscreen", "actionSettings" }));
}

// The style sheets name the images without their suffix.
void tst_MainWindow::sidebarImagesLoad_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("sign out") << ":/MainWindow/SignOut";
    QTest::newRow("history") << ":/MainWindow/History";
}

void tst_MainWindow::sidebarImagesLoad()
{
    QFETCH(QString, path);
    QCOMPARE(QImage(path).size(), QSize(48, 48));
}

void tst_MainWindow::gate_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("stored"); // null: none stored
    QTest::addColumn<QString>("typed"); // null: the prompt is cancelled
    QTest::addColumn<bool>("passes");
    QTest::addColumn<QStringList>("dialogs");

    const QString none;
    for (const char* action : { "Settings", "Toggle Fullscreen", "Change Password", "close" }) {
        const QStringList afterwards
            = QString(action) == "Change Password" ? QStringList { NewPrompt, AgainPrompt } : QStringList();
        QTest::addRow("%s, no password", action) << action << none << none << true << afterwards;
        QTest::addRow("%s, cancelled", action) << action << "secret" << none << false << QStringList { VerifyPrompt };
        QTest::addRow("%s, wrong", action) << action << "secret"
                                           << "Secret" << false << QStringList { VerifyPrompt, Invalid };
        QTest::addRow("%s, right", action) << action << "secret"
                                           << "secret" << true << QStringList { VerifyPrompt } + afterwards;
    }
    QTest::newRow("empty password") << "Settings"
                                    << "" << none << true << QStringList();
    QTest::newRow("spaces left out") << "Settings"
                                     << " secret "
                                     << "secret" << false << QStringList { VerifyPrompt, Invalid };
    QTest::newRow("spaces typed") << "Settings"
                                  << " secret "
                                  << " secret " << true << QStringList { VerifyPrompt };
    QTest::newRow("hashed, right") << "Settings" << hashPassword("secret") << "secret" << true
                                   << QStringList { VerifyPrompt };
    QTest::newRow("hashed, wrong") << "Settings" << hashPassword("secret") << "Secret" << false
                                   << QStringList { VerifyPrompt, Invalid };
}

void tst_MainWindow::gate()
{
    QFETCH(QString, action);
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    QFETCH(bool, passes);
    QFETCH(QStringList, dialogs);

    MainWindow& window = kiosk->window;
    storePassword(stored);
    DialogAnswerer answerer;
    answer(answerer, dialogs, typed);

    bool done = false;
    if (action == "close") {
        done = window.close();
        QCOMPARE(window.isVisible(), !done);
    } else {
        const Qt::WindowFlags flags = window.windowFlags();
        click("action" + QString(action).replace(' ', '_'));
        if (action == "Settings")
            done = child<QStackedWidget>("pageStack")->currentIndex() == 2;
        else if (action == "Toggle Fullscreen")
            done = window.isFullScreen() && window.windowFlags() != flags;
        else
            done = passwordMatches(QSettings().value(PasswordKey).toString(), "changed");
    }

    QCOMPARE(done, passes);
    // Once typed right, a plain password of an older release is kept hashed.
    const QString now = QSettings().value(PasswordKey).toString();
    if (passes && !stored.isEmpty() && action != "Change Password")
        QVERIFY(isPasswordHash(now) && passwordMatches(now, typed));
    else if (action != "Change Password")
        QCOMPARE(now, stored);
    QCOMPARE(answerer.shownTexts(), dialogs);
    QCOMPARE(answerer.pending(), 0);
    for (const DialogAnswerer::Shown& shown : answerer.shown())
        QCOMPARE(shown.title, QString("Brindlow"));
}

void tst_MainWindow::gateHeldAfterFiveWrongPasswords()
{
    storePassword(hashPassword("secret"));
    DialogAnswerer answerer;
    for (int i = 0; i < 5; ++i) {
        answerer.answerInput("guess");
        answerer.answerMessage();
    }
    answerer.answerMessage();
    for (int i = 0; i < 6; ++i)
        click("actionSettings");

    QCOMPARE(answerer.pending(), 0);
    QCOMPARE(answerer.shownTexts().last(), QString("Too many wrong administrator passwords. Please wait 30 seconds."));
    QCOMPARE(child<QStackedWidget>("pageStack")->currentIndex(), 0);
}

void tst_MainWindow::sections_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<bool>("signOutChecked");
    QTest::addColumn<bool>("historyChecked");
    QTest::addColumn<int>("titleIndex");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("pageIndex");

    const QString signOut = "signOutButton", history = "historyButton", settings = "actionSettings";
    QTest::newRow("at start") << QStringList() << true << false << 2 << "Sign Out" << 0;
    QTest::newRow("history") << QStringList { history } << false << true << 1 << "History" << 1;
    QTest::newRow("sign out while checked") << QStringList { signOut } << true << false << 2 << "Sign Out" << 0;
    QTest::newRow("history while checked") << QStringList { history, history } << false << true << 1 << "History" << 1;
    QTest::newRow("back to sign out") << QStringList { history, signOut } << true << false << 2 << "Sign Out" << 0;
    QTest::newRow("settings") << QStringList { settings } << false << false << 0 << "Settings" << 2;
    QTest::newRow("settings twice") << QStringList { history, settings, settings } << false << false << 0 << "Settings"
                                    << 2;
    QTest::newRow("settings to sign out") << QStringList { settings, signOut } << true << false << 2 << "Sign Out" << 0;
    QTest::newRow("settings to history") << QStringList { settings, history } << false << true << 1 << "History" << 1;
}

void tst_MainWindow::sections()
{
    QFETCH(QStringList, clicks);
    QFETCH(bool, signOutChecked);
    QFETCH(bool, historyChecked);
    QFETCH(int, titleIndex);
    QFETCH(QString, title);
    QFETCH(int, pageIndex);

    DialogAnswerer answerer; // no password: nothing may ask
    for (const QString& name : clicks) {
        click(name);
        if (QTest::currentTestFailed())
            return;
    }

    QCOMPARE(child<QCheckBox>("signOutButton")->isChecked(), signOutChecked);
    QCOMPARE(child<QCheckBox>("historyButton")->isChecked(), historyChecked);
    auto* titles = child<QStackedWidget>("titleStack");
    QCOMPARE(titles->currentIndex(), titleIndex);
    QCOMPARE(titles->currentWidget()->findChild<QLabel*>()->text(), title);
    QCOMPARE(child<QStackedWidget>("pageStack")->currentIndex(), pageIndex);
    QVERIFY(answerer.shown().isEmpty());
}

void tst_MainWindow::fullscreenToggle_data()
{
    QTest::addColumn<bool>("startFullScreen");
    QTest::newRow("kiosk mode, as started") << true;
    QTest::newRow("normal window") << false;
}

void tst_MainWindow::fullscreenToggle()
{
    QFETCH(bool, startFullScreen);
    const Qt::WindowFlags kioskFlags(0x02040000);

    MainWindow& window = kiosk->window;
    if (startFullScreen) {
        window.setWindowFlags(window.windowFlags() | kioskFlags);
        window.showFullScreen();
    }
    const Qt::WindowFlags before = window.windowFlags();
    QCOMPARE(before & kioskFlags, startFullScreen ? kioskFlags : Qt::WindowFlags());

    DialogAnswerer answerer;
    click("actionToggle_Fullscreen");
    QCOMPARE(window.windowFlags(), before ^ kioskFlags);
    QCOMPARE(window.isFullScreen(), !startFullScreen);
    QVERIFY(window.isVisible());
    if (startFullScreen)
        QCOMPARE(window.size(), QSize(640, 480));

    click("actionToggle_Fullscreen");
    QCOMPARE(window.windowFlags(), before);
    QCOMPARE(window.isFullScreen(), startFullScreen);
    QVERIFY(window.isVisible());
}

void tst_MainWindow::changePassword_data()
{
    QTest::addColumn<QString>("old"); // null: none stored
    QTest::addColumn<QStringList>("typed"); // into each prompt for the new password; null cancels
    QTest::addColumn<QMessageBox::StandardButton>("removal"); // the answer to removing it; NoButton: Enter
    QTest::addColumn<QString>("works"); // afterwards; empty: nothing is asked
    QTest::addColumn<QStringList>("messages");

    const QString none;
    const auto enter = QMessageBox::NoButton;
    QTest::newRow("first password") << none << QStringList { "pw", "pw" } << enter << "pw" << QStringList();
    QTest::newRow("replaced") << "old" << QStringList { "new", "new" } << enter << "new" << QStringList();
    QTest::newRow("spaces kept") << "old" << QStringList { " new ", " new " } << enter << " new " << QStringList();
    QTest::newRow("mistyped once changes nothing")
        << "old" << QStringList { "new", "neW" } << enter << "old"
        << QStringList { "The passwords did not match. The administrator password has not been changed." };
    QTest::newRow("cancelled") << "old" << QStringList { none } << enter << "old" << QStringList();
    QTest::newRow("second prompt cancelled") << "old" << QStringList { "new", none } << enter << "old" << QStringList();
    QTest::newRow("emptied on purpose") << "old" << QStringList { "" } << QMessageBox::Yes << "" << QStringList();
    QTest::newRow("emptied by Enter: No is the default")
        << "old" << QStringList { "" } << enter << "old" << QStringList();
}

void tst_MainWindow::changePassword()
{
    QFETCH(QString, old);
    QFETCH(QStringList, typed);
    QFETCH(QMessageBox::StandardButton, removal);
    QFETCH(QString, works);
    QFETCH(QStringList, messages);

    storePassword(old);
    {
        DialogAnswerer answerer;
        if (!old.isEmpty())
            answerer.answerInput(old);
        for (const QString& text : typed)
            text.isNull() ? answerer.reject() : answerer.answerInput(text);
        if (typed.size() == 1 && typed.first().isEmpty() && !typed.first().isNull()) {
            if (removal == QMessageBox::NoButton)
                answerer.answerWith([](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); });
            else
                answerer.answerMessage(removal);
        }
        for (qsizetype i = 0; i < messages.size(); ++i)
            answerer.answerMessage();
        click("actionChange_Password");
        QCOMPARE(answerer.pending(), 0);
        QCOMPARE(answerer.shownTexts().mid(answerer.shownTexts().size() - messages.size()), messages);
    }
    const QString stored = QSettings().value(PasswordKey).toString();
    QVERIFY(stored.isEmpty() || isPasswordHash(stored));

    // The next guarded action asks for the password that works, or nothing once it is empty.
    DialogAnswerer answerer;
    if (!works.isEmpty())
        answerer.answerInput(works);
    click("actionSettings");
    QCOMPARE(child<QStackedWidget>("pageStack")->currentIndex(), 2);
    QCOMPARE(answerer.shown().size(), works.isEmpty() ? 0 : 1);
}

void tst_MainWindow::settingsKeepTheirSubPage_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<int>("subPage");
    QTest::addColumn<bool>("homeShown");

    QTest::newRow("home") << QStringList() << 0 << false;
    QTest::newRow("inventory") << QStringList { "inventoryButton" } << 1 << true;
    QTest::newRow("students") << QStringList { "studentsButton" } << 2 << true;
    QTest::newRow("printing") << QStringList { "printingButton" } << 3 << true;
    QTest::newRow("back home") << QStringList { "printingButton", "homeButton" } << 0 << false;
}

void tst_MainWindow::settingsKeepTheirSubPage()
{
    QFETCH(QStringList, clicks);
    QFETCH(int, subPage);
    QFETCH(bool, homeShown);

    storePassword("secret");
    DialogAnswerer answerer;
    answerer.answerInput("secret");
    answerer.answerInput("secret");
    auto* subPages = child<QStackedWidget>("settingsStack");
    auto* home = child<QCommandLinkButton>("homeButton");

    click("actionSettings");
    QCOMPARE(subPages->currentIndex(), 0);
    QVERIFY(!home->isVisible());
    for (const QString& name : clicks)
        click(name);

    // Leaving needs no password; coming back asks again and shows the same sub-page.
    click("signOutButton");
    QCOMPARE(answerer.pending(), 1);
    QCOMPARE(child<QStackedWidget>("pageStack")->currentIndex(), 0);
    click("actionSettings");
    QCOMPARE(answerer.pending(), 0);
    QCOMPARE(child<QStackedWidget>("pageStack")->currentIndex(), 2);
    QCOMPARE(subPages->currentIndex(), subPage);
    QCOMPARE(home->isVisible(), homeShown);
}

void tst_MainWindow::idleSettingsClose_data()
{
    QTest::addColumn<bool>("questionOpen");
    QTest::newRow("nothing open") << false;
    QTest::newRow("Clear History left unanswered") << true;
}

void tst_MainWindow::idleSettingsClose()
{
    QFETCH(bool, questionOpen);
    storePassword("secret");
    kiosk->history.add(Student("Ada", "1", QString()), Item("Flute", 1));
    DialogAnswerer answerer;
    answerer.answerInput("secret");
    click("actionSettings");
    click("studentsButton");
    QCOMPARE(answerer.pending(), 0);

    child<IdleWatcher>("settingsIdleWatcher")->setInterval(std::chrono::milliseconds(200));
    if (questionOpen) {
        answerer.answerWith([](QWidget*) {}); // left open
        click("clearHistoryButton");
    }
    QTRY_COMPARE_WITH_TIMEOUT(child<QStackedWidget>("pageStack")->currentIndex(), 0, 5000);
    QVERIFY(child<QCheckBox>("signOutButton")->isChecked());
    QVERIFY(!QApplication::activeModalWidget());
    const QDate today = kiosk->clock.today();
    QCOMPARE(kiosk->history.entries(today, today, {}, {}).size(), 1);

    // Coming back asks again.
    answerer.answerInput("secret");
    click("actionSettings");
    QCOMPARE(answerer.pending(), 0);
    QCOMPARE(child<QStackedWidget>("pageStack")->currentIndex(), 2);
}

using Answers = std::function<void(DialogAnswerer&, IdleWatcher*)>;

void tst_MainWindow::idleAdministrationCancelsEveryDialog_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("opener");
    QTest::addColumn<Answers>("answers");

    // The last dialog is left open, and from then on the administration is idle.
    const auto leaveOpen = [](DialogAnswerer& answerer, IdleWatcher* idle) {
        answerer.answerWith([idle](QWidget*) { idle->setInterval(std::chrono::milliseconds(200)); });
    };
    const auto afterGate = [leaveOpen](const QStringList& typed) {
        return [leaveOpen, typed](DialogAnswerer& answerer, IdleWatcher* idle) {
            answerer.answerInput("secret");
            for (const QString& text : typed)
                answerer.answerInput(text);
            leaveOpen(answerer, idle);
        };
    };
    const auto pressing = [leaveOpen](const QString& button) {
        return [leaveOpen, button](DialogAnswerer& answerer, IdleWatcher* idle) {
            answerer.pressButton(button);
            leaveOpen(answerer, idle);
        };
    };
    const Answers fileNotFound = [leaveOpen](DialogAnswerer& answerer, IdleWatcher* idle) {
        answerer.answerWith([](QWidget* dialog) {
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText("no such file.csv");
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        });
        leaveOpen(answerer, idle);
    };
    const Answers chooseList = [leaveOpen](DialogAnswerer& answerer, IdleWatcher* idle) {
        answerer.chooseFile("list.csv");
        leaveOpen(answerer, idle);
    };

    QTest::newRow("gate, from Sign Out") << "signOut"
                                         << "actionSettings" << Answers(leaveOpen);
    QTest::newRow("gate, from History") << "history"
                                        << "actionToggle_Fullscreen" << Answers(leaveOpen);
    QTest::newRow("Change Password, from Sign Out") << "signOut"
                                                    << "actionChange_Password" << Answers(afterGate({}));
    QTest::newRow("Change Password again, from History")
        << "history"
        << "actionChange_Password" << Answers(afterGate({ "new one" }));
    QTest::newRow("Change Password, from Settings") << "students"
                                                    << "actionChange_Password" << Answers(afterGate({}));
    QTest::newRow("File not found over the file dialog") << "students"
                                                         << "openStudentListButton" << fileNotFound;
    QTest::newRow("import preview") << "students"
                                    << "openStudentListButton" << chooseList;
    QTest::newRow("undo question") << "students"
                                   << "undoImportButton" << Answers(leaveOpen);
    QTest::newRow("export range") << "students"
                                  << "exportHistoryButton" << Answers(leaveOpen);
    QTest::newRow("export file dialog") << "students"
                                        << "exportHistoryButton" << Answers(pressing("Export..."));
    QTest::newRow("print dialog") << "printing"
                                  << "printButton" << Answers(leaveOpen);
    QTest::newRow("label print dialog") << "inventory"
                                        << "printLabelsButton" << Answers(leaveOpen);
    QTest::newRow("delete question") << "inventory"
                                     << "removeButton" << Answers(leaveOpen);
}

// The administrator called away: whatever was open must not wait for the
// next person, and nothing it would have done is done.
void tst_MainWindow::idleAdministrationCancelsEveryDialog()
{
    QFETCH(QString, page);
    QFETCH(QString, opener);
    QFETCH(Answers, answers);
    storePassword("secret");
    workspace->writeFile("list.csv", "ID,First,Last\n7,Eve,Ng\n");
    kiosk->inventory.addItems({ Item("Flute", 1) });
    kiosk->history.add(Student("Ada", "1", QString()), Item("Flute", 1));
    QVERIFY(kiosk->students.importStudents({ Student("Ada", "1", QString()) }));
    const bool settings = page != "signOut" && page != "history";
    DialogAnswerer answerer;
    if (settings) {
        answerer.answerInput("secret");
        click("actionSettings");
        click(page + "Button");
        child<QAbstractItemView>("itemView")->selectAll();
    } else {
        click(page + "Button");
    }
    const int pageShown = child<QStackedWidget>("pageStack")->currentIndex();

    answers(answerer, child<IdleWatcher>("settingsIdleWatcher"));
    click(opener); // returns when its dialogs are gone
    QCOMPARE(answerer.pending(), 0);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(child<QStackedWidget>("pageStack")->currentIndex(), settings ? 0 : pageShown);
    QVERIFY(passwordMatches(QSettings().value(PasswordKey).toString(), "secret"));
    QCOMPARE(kiosk->inventory.items().size(), 1);
    QCOMPARE(kiosk->students.count(), 1);
    QVERIFY(kiosk->students.canUndoImport());
    QVERIFY(!kiosk->window.isFullScreen());
}

// The pages follow the computer's clock to a new day without any timer
// reaching midnight (here by a new time zone; a sleep or a clock set by the
// network does the same).
void tst_MainWindow::pagesFollowANewTimeZone()
{
    const QByteArray zone = qgetenv("TZ");
    const auto setZone = [](const QByteArray& name) {
        qputenv("TZ", name);
        tzset();
    };
    setZone("WEST+12");
    kiosk.reset();
    // Late today twelve hours behind UTC is the day after tomorrow fourteen hours ahead.
    const QDateTime late(QDate::currentDate(), QTime(23, 0));
    if (QDateTime::currentDateTime().secsTo(late) < 3600)
        QSKIP("Too near midnight twelve hours behind UTC");
    QVERIFY(runSql("history",
        { QString("INSERT INTO history VALUES (%1, 'Ada', '1', NULL, 'Flute', 1)").arg(late.toMSecsSinceEpoch()) }));
    kiosk = std::make_unique<Kiosk>();
    auto* log = namedChild<QAbstractItemView>(child<QWidget>("signOutPage"), "entryView");
    QCOMPARE(log->model()->rowCount(), 1);

    setZone("EAST-14");
    const QDate today = QDate::currentDate();
    QTRY_COMPARE_WITH_TIMEOUT(log->model()->rowCount(), 0, 60'000);
    QCOMPARE(child<QDateEdit>("fromDate")->date(), today);
    QCOMPARE(child<QDateEdit>("toDate")->date(), today);
    setZone(zone);
}

void tst_MainWindow::settingsStayInTheWorkspace()
{
    QVERIFY2(QSettings().fileName().startsWith(workspace->path() + '/'), qPrintable(QSettings().fileName()));

    DialogAnswerer answerer;
    answerer.answerInput("kept");
    answerer.answerInput("kept");
    click("actionChange_Password");
    const QString fileName = QSettings().fileName();
    kiosk.reset(); // the window's settings are written out when they go

    QFile file(fileName);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray contents = file.readAll();
    QVERIFY(contents.contains("password=\"$argon2id$"));
    QVERIFY(!contents.contains("kept"));
}

// Without a password nothing guards the settings; staff must see that.
void tst_MainWindow::noPasswordIsToldOnTheSettingsHome_data()
{
    QTest::addColumn<QString>("stored"); // null: none stored
    QTest::addColumn<bool>("setOnThePage"); // a password set through the Admin menu while the settings are open
    QTest::addColumn<bool>("warned");

    QTest::newRow("none set: nothing said") << QString() << false << true;
    QTest::newRow("removed") << "" << false << true;
    QTest::newRow("set") << hashPassword("secret") << false << false;
    QTest::newRow("set while the settings are open") << QString() << true << false;
}

void tst_MainWindow::noPasswordIsToldOnTheSettingsHome()
{
    QFETCH(QString, stored);
    QFETCH(bool, setOnThePage);
    QFETCH(bool, warned);
    storePassword(stored);
    DialogAnswerer answerer;
    if (!stored.isEmpty())
        answerer.answerInput("secret");
    click("actionSettings");
    if (setOnThePage) {
        answer(answerer, { NewPrompt, AgainPrompt }, QString());
        click("actionChange_Password");
    }

    QCOMPARE(answerer.pending(), 0);
    auto* warning = child<QLabel>("passwordWarningLabel");
    QCOMPARE(warning->isVisible(), warned);
    if (warned)
        QCOMPARE(warning->text(),
            QString("No administrator password: anyone at the kiosk can open these pages and close Brindlow. "
                    "Admin > Change Password sets one."));
}

// The first pupil of the day, and each after one who looked at the history,
// types straight into the ID field.
void tst_MainWindow::idFieldHasTheFocus_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::newRow("at start-up nothing had it") << QStringList();
    QTest::newRow("back from the history") << QStringList { "historyButton", "signOutButton" };
    QTest::newRow("back from the settings") << QStringList { "actionSettings", "signOutButton" };
}

void tst_MainWindow::idFieldHasTheFocus()
{
    QFETCH(QStringList, clicks);
    kiosk->window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&kiosk->window));
    DialogAnswerer answerer; // no password: nothing may ask
    for (const QString& name : clicks)
        click(name);
    QCOMPARE(QApplication::focusWidget(), child<QLineEdit>("usernameBox"));
}

void tst_MainWindow::studentListWrittenAfterTeardown()
{
    kiosk->students.setStudents({ Student("Ada", "1", QString()), Student("Bo", "2", "x") });
    {
        // Ada's first sign-out registers her password while the window is up.
        DialogAnswerer answerer;
        answerer.answerInput("pw");
        QVERIFY(kiosk->verifier.verify("1", "pw", Item("Flute", 1)).first);
    }
    const QString registered = kiosk->students.student("1").password();
    kiosk.reset();

    QByteArray expected;
    QDataStream stream(&expected, QIODevice::WriteOnly);
    stream << quint32(2) << QString("Ada") << QString("1") << registered << QString("Bo") << QString("2")
           << QString("x");
    QCOMPARE(workspace->readFile("students.lst"), expected);
}

/// Shows each page in turn, the settings' sub-pages included, and hands it to \a onEach.
void tst_MainWindow::showEveryPage(const std::function<void(const QString& page)>& onEach)
{
    const QList<QPair<QString, QString>> pages { { "sign-out", "signOutButton" }, { "history", "historyButton" },
        { "settings home", "actionSettings" }, { "inventory", "inventoryButton" }, { "students", "studentsButton" },
        { "printing", "printingButton" }, { "usage", "usageButton" } };
    for (const auto& [page, button] : pages) {
        if (page != "settings home" && child<QWidget>("homeButton")->isVisible())
            click("homeButton");
        click(button);
        // The settings show the sub-page they were left on.
        if (page == "settings home" && child<QWidget>("homeButton")->isVisible())
            click("homeButton");
        // Texts set on a language change lay their pages out again afterwards.
        for (int pass = 0; pass < 3; ++pass)
            QCoreApplication::processEvents();
        onEach(page);
    }
}

QStringList tst_MainWindow::visibleTexts()
{
    QStringList texts;
    for (QWidget* widget : kiosk->window.findChildren<QWidget*>()) {
        if (!widget->isVisible())
            continue;
        if (auto* label = qobject_cast<QLabel*>(widget))
            texts << label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            texts << button->text() << button->accessibleName();
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            texts << group->title();
        else if (auto* view = qobject_cast<QTreeView*>(widget))
            for (int column = 0; column < view->model()->columnCount(); ++column)
                texts << view->model()->headerData(column, Qt::Horizontal).toString();
    }
    for (QAction* action : child<QMenu>("menuAdmin")->actions())
        texts << action->text();
    texts.removeAll(QString());
    return texts;
}

void tst_MainWindow::everyControlHasAnAccessibleName()
{
    storePassword(QString());
    QStringList unnamed;
    showEveryPage([&](const QString& page) {
        for (QWidget* widget : kiosk->window.findChildren<QWidget*>()) {
            // Qt's own parts of a control (a spin box's line edit) are the control's.
            if (!widget->isVisible() || !(widget->focusPolicy() & Qt::TabFocus)
                || widget->objectName().startsWith("qt_"))
                continue;
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
            if (!accessible || accessible->text(QAccessible::Name).trimmed().isEmpty())
                unnamed << page + ": " + widget->objectName() + " (" + widget->metaObject()->className() + ")";
        }
    });
    unnamed.removeDuplicates();
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
}

// No control needs a mouse: each one shown takes the focus from Tab.
void tst_MainWindow::everyControlIsReachedByTab()
{
    storePassword(QString());
    QStringList mouseOnly;
    showEveryPage([&](const QString& page) {
        for (QWidget* widget : kiosk->window.findChildren<QWidget*>()) {
            // A view's header is part of the view, which takes the focus.
            const bool control = qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget)
                || qobject_cast<QComboBox*>(widget) || qobject_cast<QAbstractSpinBox*>(widget)
                || (qobject_cast<QAbstractItemView*>(widget) && !qobject_cast<QHeaderView*>(widget));
            if (control && widget->isVisible() && widget->isEnabled() && !(widget->focusPolicy() & Qt::TabFocus)
                && !widget->objectName().startsWith("qt_"))
                mouseOnly << page + ": " + widget->objectName() + " (" + widget->metaObject()->className() + ")";
        }
    });
    mouseOnly.removeDuplicates();
    QVERIFY2(mouseOnly.isEmpty(), qPrintable(mouseOnly.join(", ")));
}

// Alt alone opens the menu bar, as in every desktop program: the Admin menu
// needs no mouse either.
void tst_MainWindow::adminMenuFromTheKeyboard()
{
    storePassword(QString());
    QWidget* focused = QApplication::focusWidget();
    QVERIFY(focused);
    QTest::keyClick(focused, Qt::Key_Alt);
    QTest::keyClick(child<QMenuBar>("menuBar"), Qt::Key_Down);
    QMenu* menu = child<QMenu>("menuAdmin");
    QTRY_VERIFY(menu->isVisible());
    QTest::keyClick(menu, Qt::Key_Up);
    QCOMPARE(menu->activeAction()->objectName(), QString("actionSettings"));
    QTest::keyClick(menu, Qt::Key_Return);
    QTRY_COMPARE(child<QStackedWidget>("pageStack")->currentIndex(), 2);
}

void tst_MainWindow::languageSwitchChangesEveryText_data()
{
    QTest::addColumn<QString>("language");
    // Words that are the same in the language as in English (besides the program's name).
    QTest::addColumn<QStringList>("alike");

    QTest::newRow("German left in English") << "de" << QStringList { "Filter", "Name", "Instrument" };
    QTest::newRow("French left in English") << "fr" << QStringList { "Date", "Instrument" };
    QTest::newRow("Spanish left in English") << "es" << QStringList {};
    QTest::newRow("Bokmål left in English") << "nb" << QStringList { "Filter", "Instrument" };
    QTest::newRow("Polish left in English") << "pl" << QStringList { "Instrument" };
}

void tst_MainWindow::languageSwitchChangesEveryText()
{
    QFETCH(QString, language);
    QFETCH(QStringList, alike);
    storePassword(QString());
    QStringList english;
    showEveryPage([&](const QString&) { english << visibleTexts(); });

    auto* box = child<QComboBox>("languageBox");
    const int index = box->findData(language);
    QVERIFY2(index > 0, "the language is not offered");
    box->setCurrentIndex(index);
    emit box->activated(index);
    QCoreApplication::processEvents();
    QStringList translated;
    showEveryPage([&](const QString&) { translated << visibleTexts(); });

    QStringList leftInEnglish;
    for (const QString& text : std::as_const(translated))
        // The program's name (with its release) is the same in every language.
        if (english.contains(text) && !alike.contains(text)
            && QString(text).remove("Brindlow").contains(QRegularExpression("[A-Za-z]{2}")))
            leftInEnglish << text;
    kiosk->translations.choose("en");
    leftInEnglish.removeDuplicates();
    QVERIFY2(leftInEnglish.isEmpty(), qPrintable(leftInEnglish.join(" | ")));
}

// No text is cut and the window stays within the screen: longer, accented
// texts on 1024 x 768; doubled text, and the whole interface at a scale
// factor of 2 (the same layout as half the screen's pixels), on 1280 x 800.
void tst_MainWindow::everyPageFits_data()
{
    QTest::addColumn<bool>("longerTexts");
    QTest::addColumn<qreal>("fontScale");
    QTest::addColumn<QSize>("screen");
    QTest::newRow("translation 40% longer cut on 1024 x 768") << true << 1.0 << QSize(1024, 768);
    QTest::newRow("200% font cut on 1280 x 800") << false << 2.0 << QSize(1280, 800);
    QTest::newRow("scale factor 2 cut on 1280 x 800") << false << 1.0 << QSize(640, 400);
}

void tst_MainWindow::everyPageFits()
{
    QFETCH(bool, longerTexts);
    QFETCH(qreal, fontScale);
    QFETCH(QSize, screen);
    storePassword(QString());
    PseudoTranslator pseudo;
    if (longerTexts)
        QCoreApplication::installTranslator(&pseudo);
    const QFont normalFont = QApplication::font();
    QFont font = normalFont;
    font.setPointSizeF(normalFont.pointSizeF() * fontScale);
    QApplication::setFont(font);
    kiosk->window.resize(screen);
    QStringList cut;
    showEveryPage([&](const QString& page) {
        if (kiosk->window.width() > screen.width() || kiosk->window.height() > screen.height())
            cut << page + ": the window";
        for (QLabel* label : kiosk->window.findChildren<QLabel*>()) {
            if (!label->isVisible() || label->text().isEmpty() || Qt::mightBeRichText(label->text()))
                continue;
            const bool fits = label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                                : label->minimumSizeHint().width() <= label->width();
            if (!fits)
                cut << page + ": " + label->objectName();
        }
        for (QAbstractButton* button : kiosk->window.findChildren<QAbstractButton*>())
            if (button->isVisible() && !button->text().isEmpty() && button->sizeHint().width() > button->width())
                cut << page + ": " + button->objectName();
        for (QLineEdit* box : kiosk->window.findChildren<QLineEdit*>())
            if (box->isVisible()
                && box->fontMetrics().horizontalAdvance(box->placeholderText()) > box->contentsRect().width() - 8)
                cut << page + ": " + box->objectName();
    });
    QApplication::setFont(normalFont);
    QCoreApplication::removeTranslator(&pseudo);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(", ")));
}

QTEST_MAIN(tst_MainWindow)
#include "tst_MainWindow.moc"
