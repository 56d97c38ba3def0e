#include "app/Kiosk.h"
#include "stores/passwordHash.h"
#include "support/DialogAnswerer.h"
#include "support/ItemViews.h"
#include "support/TestWorkspace.h"
#include "support/clickButton.h"
#include "support/namedChild.h"
#include "support/passwordEncodings.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDirIterator>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTreeView>

#include <memory>

// A school's first morning with the kiosk, through the real window: staff
// import the students and add instruments, a student signs one out, and
// everything is still there after the kiosk is restarted.
class tst_kioskEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void firstMorning();
    void noPasswordInAnyFile();
    void teardownOrder();

private:
    template <typename T> T* child(const char* name) { return namedChild<T>(&kiosk->window, name); }
    void click(const char* name) { clickButton(child<QAbstractButton>(name)); }
    void importStudents();
    void addViolins();
    void signOut(const QString& id, const QString& password, const QString& item);
    void restart();

    std::unique_ptr<TestWorkspace> workspace;
    std::unique_ptr<Kiosk> kiosk;
};

void tst_kioskEndToEnd::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
    workspace = std::make_unique<TestWorkspace>();
    workspace->writeFile("students.csv", "ID,First Name,Last Name\n1001,Zoë,Ørsted\n1002,Bo,Diddley\n");
    restart();
}

void tst_kioskEndToEnd::restart()
{
    kiosk.reset();
    kiosk = std::make_unique<Kiosk>();
    kiosk->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&kiosk->window));
}

void tst_kioskEndToEnd::importStudents()
{
    child<QAction>("actionSettings")->trigger(); // no administrator password yet
    click("studentsButton");
    DialogAnswerer answerer;
    answerer.chooseFile(workspace->filePath("students.csv"));
    answerer.pressButton("Import");
    click("openStudentListButton");
    QCOMPARE(answerer.pending(), 0);
    QCOMPARE(child<QTreeView>("studentView")->model()->rowCount(), 2);
}

void tst_kioskEndToEnd::addViolins()
{
    click("homeButton");
    click("inventoryButton");
    QTest::keyClicks(namedChild<QLineEdit>(child<QWidget>("InventoryWidget"), "itemBox"), "Violin");
    child<QSpinBox>("toBox")->setValue(3);
    click("addButton");
    QCOMPARE(
        columnTexts(child<QTreeView>("itemView")->model(), 0), QStringList({ "Violin #3", "Violin #2", "Violin #1" }));
}

void tst_kioskEndToEnd::signOut(const QString& id, const QString& password, const QString& item)
{
    click("signOutButton");
    auto* signOutPage = child<QWidget>("SignOutWidget");
    auto* itemBox = namedChild<QComboBox>(signOutPage, "itemBox");
    itemBox->setCurrentIndex(itemBox->findText(item));
    for (auto [box, text] : { std::pair("usernameBox", id), std::pair("passwordBox", password) }) {
        auto* field = namedChild<QLineEdit>(signOutPage, box);
        field->clear(); // a refused sign-out leaves what was typed
        QTest::keyClicks(field, text);
    }
    QTest::mouseClick(namedChild<QPushButton>(signOutPage, "signOutButton"), Qt::LeftButton);
}

void tst_kioskEndToEnd::firstMorning()
{
    importStudents();
    addViolins();

    // A new student confirms the password on the first sign-out.
    DialogAnswerer answerer;
    answerer.answerInput("fiddle");
    signOut("1001", "fiddle", "Violin #2");
    QCOMPARE(answerer.pending(), 0);
    QTreeView* log = namedChild<QTreeView>(child<QWidget>("SignOutWidget"), "entryView");
    QCOMPARE(columnTexts(log->model(), 1), QStringList { "Zoë Ørsted (1001)" });
    QCOMPARE(columnTexts(log->model(), 2), QStringList { "Violin #2" });

    // The same violin cannot go out twice in a day, not even to another student.
    answerer.answerMessage(QMessageBox::Ok);
    signOut("1002", "drums", "Violin #2");
    QCOMPARE(answerer.shownTexts().last(), QStringLiteral("The item is already signed out."));
    QCOMPARE(log->model()->rowCount(), 1);

    restart();
    QCOMPARE(kiosk->students.student("1001").name(), QString("Zoë Ørsted"));
    QVERIFY(passwordMatches(kiosk->students.student("1001").password(), "fiddle"));
    QVERIFY(kiosk->students.student("1002").password().isNull());
    QCOMPARE(kiosk->inventory.items().size(), 3);
    log = namedChild<QTreeView>(child<QWidget>("SignOutWidget"), "entryView");
    QCOMPARE(columnTexts(log->model(), 2), QStringList { "Violin #2" });
    QCOMPARE(columnTexts(namedChild<QTreeView>(child<QWidget>("HistoryWidget"), "entryView")->model(), 1),
        QStringList { "Zoë Ørsted (1001)" });

    // The registered password still counts after the restart.
    answerer.answerMessage(QMessageBox::Ok);
    signOut("1001", "wrong", "Violin #1");
    QCOMPARE(answerer.shownTexts().last(), QStringLiteral("Invalid password."));
    signOut("1001", "fiddle", "Violin #1");
    QCOMPARE(log->model()->rowCount(), 2);
    QCOMPARE(answerer.pending(), 0);
}

// After registrations, sign-outs, a new administrator password and restarts,
// no file the kiosk wrote holds a password in any form.
void tst_kioskEndToEnd::noPasswordInAnyFile()
{
    const QString adminPassword = "Tr0mb0ne!";
    DialogAnswerer answerer;
    answerer.answerInput(adminPassword);
    answerer.answerInput(adminPassword);
    child<QAction>("actionChange_Password")->trigger(); // none set yet: no question first
    answerer.answerInput(adminPassword);
    child<QAction>("actionSettings")->trigger();
    QCOMPARE(answerer.pending(), 0);
    restart();

    QStringList read;
    QDirIterator files(workspace->path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        for (const QString& password : { QString("fiddle"), adminPassword })
            for (const QByteArray& encoded : passwordEncodings(password))
                QVERIFY2(!bytes.contains(encoded), qPrintable(file.fileName() + " holds " + encoded));
        read << files.fileName();
    }
    for (const char* written : { "students.lst", "history", "inventory", "Brindlow.conf" })
        QVERIFY2(read.contains(written), written);
}

// Everything that points at a store goes before it: the pages (and with them
// their models) in the order they were made, then the window, then the student
// list (whose file is written last), the databases and the clock.
void tst_kioskEndToEnd::teardownOrder()
{
    QStringList destroyed;
    const auto record = [&destroyed](QObject* object, const QString& name) {
        connect(object, &QObject::destroyed, [&destroyed, name] { destroyed.append(name); });
    };
    for (const char* page :
        { "SignOutWidget", "HistoryWidget", "SettingsWidget", "InventoryWidget", "StudentWidget", "PrintWidget" })
        record(child<QWidget>(page), page);
    record(&kiosk->window, "window");
    record(&kiosk->students, "students");
    record(&kiosk->history, "history");
    record(&kiosk->inventory, "inventory");
    record(&kiosk->clock, "clock");

    kiosk.reset();
    QCOMPARE(destroyed,
        QStringList({ "SignOutWidget", "HistoryWidget", "InventoryWidget", "StudentWidget", "PrintWidget",
            "SettingsWidget", "window", "students", "history", "inventory", "clock" }));
}

QTEST_MAIN(tst_kioskEndToEnd)
#include "tst_kioskEndToEnd.moc"
