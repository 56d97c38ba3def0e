#include "app/Kiosk.h"
#include "support/DialogAnswerer.h"
#include "support/ItemViews.h"
#include "support/TestWorkspace.h"
#include "support/clickButton.h"
#include "support/namedChild.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QSqlDatabase>
#include <QStackedWidget>
#include <QTest>
#include <QTextBrowser>
#include <QWindow>

#include <functional>
#include <memory>

namespace {

const QString AdminPassword = QStringLiteral("Tr0mb0ne!");
const QString StudentPassword = QStringLiteral("fl00te#9");

QStringList loggedMessages;

void keepMessage(QtMsgType, const QMessageLogContext&, const QString& message)
{
    loggedMessages.append(message);
}

} // namespace

// With an administrator password set, a student at the kiosk must not reach
// the administration, leave full screen, change the password or close the
// kiosk by any route; and no password ever shows anywhere.
class tst_adminGateRoutes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void everyRouteAsks_data();
    void everyRouteAsks();
    void sidebarKeyboardNeverReachesSettings();
    void passwordsNeverShow();

private:
    template <typename T> T* child(const char* name) { return namedChild<T>(&kiosk->window, name); }
    bool settingsShown() { return child<QStackedWidget>("pageStack")->currentIndex() == 2; }

    std::unique_ptr<TestWorkspace> workspace;
    std::unique_ptr<Kiosk> kiosk;
};

void tst_adminGateRoutes::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
}

void tst_adminGateRoutes::init()
{
    workspace = std::make_unique<TestWorkspace>();
    QSettings().setValue("settings/password", AdminPassword);
    kiosk = std::make_unique<Kiosk>();
    kiosk->window.showFullScreen();
    kiosk->window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&kiosk->window));
}

void tst_adminGateRoutes::cleanup()
{
    kiosk.reset();
    workspace.reset();
}

void tst_adminGateRoutes::everyRouteAsks_data()
{
    QTest::addColumn<std::function<void(MainWindow&)>>("route");
    QTest::addColumn<bool>("wrongPassword");

    const QList<std::pair<const char*, std::function<void(MainWindow&)>>> routes {
        { "Settings entry", [](MainWindow& w) { namedChild<QAction>(&w, "actionSettings")->trigger(); } },
        { "Toggle Fullscreen entry",
            [](MainWindow& w) { namedChild<QAction>(&w, "actionToggle_Fullscreen")->trigger(); } },
        { "Change Password entry", [](MainWindow& w) { namedChild<QAction>(&w, "actionChange_Password")->trigger(); } },
        { "F11", [](MainWindow& w) { QTest::keyClick(&w, Qt::Key_F11); } },
        { "close()", [](MainWindow& w) { w.close(); } },
        { "platform close (title bar, Alt+F4)", [](MainWindow& w) { w.windowHandle()->close(); } },
        { "close event",
            [](MainWindow& w) {
                QCloseEvent event;
                QApplication::sendEvent(&w, &event);
            } },
        { "Admin menu by keyboard",
            [](MainWindow& w) {
                QMenuBar* bar = w.menuBar();
                bar->setActiveAction(bar->actions().first());
                QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Up); // last entry: Settings
                QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
            } },
    };
    for (const auto& [name, route] : routes) {
        QTest::newRow(QByteArray(name) + ", cancelled") << route << false;
        QTest::newRow(QByteArray(name) + ", wrong password") << route << true;
    }
}

void tst_adminGateRoutes::everyRouteAsks()
{
    QFETCH(std::function<void(MainWindow&)>, route);
    QFETCH(bool, wrongPassword);
    MainWindow& window = kiosk->window;
    const Qt::WindowFlags flags = window.windowFlags();

    DialogAnswerer answerer;
    if (wrongPassword) {
        answerer.answerInput(AdminPassword.toLower());
        answerer.answerMessage(QMessageBox::Ok);
    } else {
        answerer.reject();
    }
    route(window);
    QTRY_COMPARE(answerer.pending(), 0);
    QCOMPARE(answerer.shown().first().text, QStringLiteral("Please verify the administrator password."));

    QApplication::processEvents();
    QVERIFY(window.isVisible());
    QVERIFY(window.isFullScreen());
    QCOMPARE(window.windowFlags(), flags);
    QVERIFY(!settingsShown());
    QCOMPARE(QSettings().value("settings/password").toString(), AdminPassword);
}

void tst_adminGateRoutes::sidebarKeyboardNeverReachesSettings()
{
    QWidget* settingsPage = child<QWidget>("settingsPage");
    child<QCheckBox>("signOutButton")->setFocus();
    DialogAnswerer answerer; // any dialog here fails the test
    for (int step = 0; step < 60; ++step) {
        QWidget* focused = QApplication::focusWidget();
        QVERIFY(focused);
        QVERIFY2(!settingsPage->isAncestorOf(focused), qPrintable(focused->objectName()));
        if (qobject_cast<QCheckBox*>(focused))
            QTest::keyClick(focused, step % 2 ? Qt::Key_Space : Qt::Key_Down);
        QVERIFY(!settingsShown());
        QTest::keyClick(focused, step % 3 ? Qt::Key_Tab : Qt::Key_Backtab);
    }
    QVERIFY(answerer.shown().isEmpty());
}

void tst_adminGateRoutes::passwordsNeverShow()
{
    loggedMessages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(keepMessage);

    kiosk->students.setStudents({ Student("Ada Lovelace", "1815", StudentPassword) });
    kiosk->inventory.addItems({ Item("Flute", 1) });
    kiosk->history.add(kiosk->students.student("1815"), Item("Flute", 1));
    {
        DialogAnswerer answerer;
        answerer.answerInput(AdminPassword);
        namedChild<QAction>(&kiosk->window, "actionSettings")->trigger();
        for (const char* page : { "inventoryButton", "studentsButton", "printingButton" })
            clickButton(child<QAbstractButton>(page));
        QCOMPARE(answerer.pending(), 0);
    }
    // As a refused sign-out leaves it.
    namedChild<QLineEdit>(child<QWidget>("SignOutWidget"), "passwordBox")->setText(StudentPassword);

    QStringList shown;
    for (QWidget* widget : kiosk->window.findChildren<QWidget*>()) {
        if (auto* label = qobject_cast<QLabel*>(widget))
            shown << label->text();
        if (auto* edit = qobject_cast<QLineEdit*>(widget); edit && edit->echoMode() == QLineEdit::Normal)
            shown << edit->text();
        if (auto* browser = qobject_cast<QTextBrowser*>(widget))
            shown << browser->toHtml();
        if (auto* view = qobject_cast<QAbstractItemView*>(widget); view && view->model()) {
            for (int column = 0; column < view->model()->columnCount(); ++column)
                shown << columnTexts(view->model(), column);
        }
        shown << widget->toolTip() << widget->windowTitle();
    }
    QVERIFY(shown.join('\n').contains("Ada Lovelace (1815)"));

    // What a failing store writes to the log.
    QSqlDatabase::database("history").close();
    kiosk->history.add(Student("Bo", "2", StudentPassword), Item("Flute", 1));
    qInstallMessageHandler(previous);
    QVERIFY(!loggedMessages.isEmpty());
    shown << loggedMessages;

    for (const QString& password : { AdminPassword, StudentPassword })
        QVERIFY2(!shown.join('\n').contains(password), qPrintable(password));
}

QTEST_MAIN(tst_adminGateRoutes)
#include "tst_adminGateRoutes.moc"
