#include "pages/SignOutWidget.h"
#include "pages/StudentVerifier.h"
#include "stores/DatabaseHistory.h"
#include "stores/DatabaseInventory.h"
#include "stores/FileStudentList.h"
#include "stores/itemCode.h"
#include "stores/passwordHash.h"
#include "support/DialogAnswerer.h"
#include "support/FakeClock.h"
#include "support/FakeHistory.h"
#include "support/FakeVerifier.h"
#include "support/ItemViews.h"
#include "support/TestWorkspace.h"
#include "support/namedChild.h"
#include "support/typeKeys.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString IdMissing = QStringLiteral("The student ID cannot be empty.");
const QString PasswordMissing = QStringLiteral("The password cannot be empty.");
const QString ItemMissing = QStringLiteral("Please choose an instrument.");
const QString NotRecorded = QStringLiteral("The sign-out could not be recorded. Please tell a member of staff.");

} // namespace

class tst_SignOutWidget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void inputChecks_data();
    void inputChecks();
    void inputIsTrimmed_data();
    void inputIsTrimmed();
    void startsOnFirstItem();
    void acceptedSignOut();
    void refusedSignOutKeepsFields();
    void unrecordedSignOutIsReported_data();
    void unrecordedSignOutIsReported();
    void itemChoiceRequired_data();
    void itemChoiceRequired();
    void logShowsLatestFirst();
    void logFollowsDateAtSignOut();
    void logFollowsDateAtMidnight();
    void startedAtMidnightShowsOneDay();
    void signOutWithRealStores_data();
    void signOutWithRealStores();
    void idleKioskForgetsTheStudent();
    void inputKeepsTheStudent();
    void idleKioskRefusesAnOpenConfirmation();
    void keyboardAlone_data();
    void keyboardAlone();
    void scanning_data();
    void scanning();
    void tabOrder_data();
    void tabOrder();

private:
    bool rebuildPage();
    static bool showPage(QWidget* page, bool active);
    template <typename T> T* child(const char* name) { return namedChild<T>(page.get(), name); }
    void fillIn(const QString& id, const QString& password);
    void clickSignOut();
    QStringList logColumn(int column);

    std::unique_ptr<TestWorkspace> workspace;
    std::unique_ptr<FakeClock> clock;
    std::unique_ptr<DatabaseInventory> inventory;
    std::unique_ptr<FakeHistory> history;
    std::unique_ptr<FileStudentList> roster; // which scanned texts are cards
    std::unique_ptr<FakeVerifier> verifier;
    std::unique_ptr<SignOutWidget> page;
};

void tst_SignOutWidget::init()
{
    workspace = std::make_unique<TestWorkspace>();
    clock = std::make_unique<FakeClock>();
    inventory = std::make_unique<DatabaseInventory>();
    inventory->addItems({ Item("Flute", 1), Item("Flute", 2), Item("Violin", 1) });
    history = std::make_unique<FakeHistory>(*clock);
    roster = std::make_unique<FileStudentList>("roster.lst");
    roster->setStudents({ Student("Kim Lee", "kimlee", QString()) });
    verifier = std::make_unique<FakeVerifier>();
    QVERIFY(rebuildPage());
}

void tst_SignOutWidget::cleanup()
{
    page.reset();
    verifier.reset();
    roster.reset();
    history.reset();
    inventory.reset();
    clock.reset();
    workspace.reset();
}

bool tst_SignOutWidget::rebuildPage()
{
    page.reset();
    page = std::make_unique<SignOutWidget>(inventory.get(), history.get(), roster.get(), verifier.get(), *clock);
    return showPage(page.get(), true);
}

/// Shows \a page, with its window active or with no window of the program active.
bool tst_SignOutWidget::showPage(QWidget* page, bool active)
{
    page->show();
    if (!QTest::qWaitForWindowExposed(page))
        return false;
    if (active) {
        page->activateWindow();
        return QTest::qWaitForWindowActive(page);
    }
    QApplication::setActiveWindow(nullptr);
    return QTest::qWaitFor([] { return !QApplication::activeWindow(); });
}

void tst_SignOutWidget::fillIn(const QString& id, const QString& password)
{
    child<QLineEdit>("usernameBox")->setText(id);
    child<QLineEdit>("passwordBox")->setText(password);
}

void tst_SignOutWidget::clickSignOut()
{
    QTest::mouseClick(child<QPushButton>("signOutButton"), Qt::LeftButton);
}

QStringList tst_SignOutWidget::logColumn(int column)
{
    return columnTexts(child<QTreeView>("entryView")->model(), column);
}

void tst_SignOutWidget::inputChecks_data()
{
    QTest::addColumn<bool>("active");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("itemChosen");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");

    for (bool active : { true, false }) {
        const QByteArray window = active ? " / window active" : " / no window active";
        QTest::newRow("nothing" + window) << active << u""_s << u""_s << false << IdMissing << u"usernameBox"_s;
        QTest::newRow("no ID" + window) << active << u""_s << u"secret"_s << true << IdMissing << u"usernameBox"_s;
        QTest::newRow("no password" + window)
            << active << u"1815"_s << u""_s << false << PasswordMissing << u"passwordBox"_s;
        QTest::newRow("password of spaces alone would register the empty one" + window)
            << active << u"1815"_s << u"  "_s << true << PasswordMissing << u"passwordBox"_s;
        QTest::newRow("no item" + window) << active << u"1815"_s << u"secret"_s << false << ItemMissing << u"itemBox"_s;
    }
}

void tst_SignOutWidget::inputChecks()
{
    QFETCH(bool, active);
    QFETCH(QString, id);
    QFETCH(QString, password);
    QFETCH(bool, itemChosen);
    QFETCH(QString, message);
    QFETCH(QString, focus);

    fillIn(id, password);
    if (!itemChosen)
        child<QComboBox>("itemBox")->setCurrentIndex(-1);
    QVERIFY(showPage(page.get(), active));

    DialogAnswerer answerer;
    answerer.answerMessage(QMessageBox::Ok);
    clickSignOut();

    QCOMPARE(answerer.shownTexts(), QStringList { message });
    QCOMPARE(answerer.shown().first().title, QStringLiteral("Brindlow"));
    // The focus lands in the page's window, where it shows once the window is active.
    QWidget* expected = child<QWidget>(qPrintable(focus));
    QCOMPARE(page->focusWidget(), expected);
    QVERIFY(showPage(page.get(), true));
    QVERIFY(expected->hasFocus());
    QVERIFY(verifier->calls.isEmpty());
    QCOMPARE(child<QLineEdit>("usernameBox")->text(), id);
    QCOMPARE(child<QLineEdit>("passwordBox")->text(), password);
}

void tst_SignOutWidget::inputIsTrimmed_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("verifiedId");
    QTest::addColumn<QString>("verifiedPassword");

    QTest::newRow("as typed") << u"1815"_s << u"secret"_s << u"1815"_s << u"secret"_s;
    QTest::newRow("surrounding white space") << u"  1815 "_s << u"\tsecret "_s << u"1815"_s << u"secret"_s;
    QTest::newRow("inner spaces kept") << u" 18 15 "_s << u" sec ret "_s << u"18 15"_s << u"sec ret"_s;
    QTest::newRow("ID of spaces alone") << u"   "_s << u"secret"_s << u""_s << u"secret"_s;
}

void tst_SignOutWidget::inputIsTrimmed()
{
    QFETCH(QString, id);
    QFETCH(QString, password);
    QFETCH(QString, verifiedId);
    QFETCH(QString, verifiedPassword);

    verifier->accepting = false;
    fillIn(id, password);
    clickSignOut();

    QCOMPARE(verifier->calls.size(), 1);
    QCOMPARE(verifier->calls.first().id, verifiedId);
    QCOMPARE(verifier->calls.first().password, verifiedPassword);
    QCOMPARE(verifier->calls.first().item, Item("Flute", 1));
}

void tst_SignOutWidget::startsOnFirstItem()
{
    auto* itemBox = child<QComboBox>("itemBox");
    QCOMPARE(itemBox->currentIndex(), 0);
    QCOMPARE(itemBox->currentText(), QStringLiteral("Flute #1"));
    QCOMPARE(itemBox->count(), 3);
}

void tst_SignOutWidget::acceptedSignOut()
{
    auto* itemBox = child<QComboBox>("itemBox");
    itemBox->setCurrentIndex(2);
    fillIn("1815", "secret");
    DialogAnswerer answerer;
    clickSignOut();

    QCOMPARE(verifier->calls.size(), 1);
    QCOMPARE(verifier->calls.first().item, Item("Violin", 1));
    QCOMPARE(history->stored.size(), 1);
    QCOMPARE(history->stored.first().student(), verifier->student);
    QCOMPARE(history->stored.first().item(), Item("Violin", 1));
    QCOMPARE(child<QLineEdit>("usernameBox")->text(), QString());
    QCOMPARE(child<QLineEdit>("passwordBox")->text(), QString());
    QCOMPARE(itemBox->currentText(), QStringLiteral("Violin #1 (signed out today)"));
    QCOMPARE(logColumn(1), QStringList { "Ada Lovelace (1815)" });
    QCOMPARE(logColumn(2), QStringList { "Violin #1" });
    QVERIFY(answerer.shown().isEmpty());
}

void tst_SignOutWidget::refusedSignOutKeepsFields()
{
    verifier->accepting = false;
    fillIn("1815", "wrong");
    child<QComboBox>("itemBox")->setCurrentIndex(1);
    DialogAnswerer answerer;
    clickSignOut();

    QCOMPARE(verifier->calls.size(), 1);
    QVERIFY(history->stored.isEmpty());
    QCOMPARE(child<QLineEdit>("usernameBox")->text(), QStringLiteral("1815"));
    QCOMPARE(child<QLineEdit>("passwordBox")->text(), QStringLiteral("wrong"));
    QCOMPARE(child<QComboBox>("itemBox")->currentIndex(), 1);
    QVERIFY(answerer.shown().isEmpty());
}

void tst_SignOutWidget::unrecordedSignOutIsReported_data()
{
    QTest::addColumn<bool>("outElsewhere");
    QTest::addColumn<QString>("message");
    QTest::newRow("not stored") << false << NotRecorded;
    // Another kiosk of a shared database signed the item out a moment before.
    QTest::newRow("refused as out already") << true << u"The item is already signed out."_s;
}

void tst_SignOutWidget::unrecordedSignOutIsReported()
{
    QFETCH(bool, outElsewhere);
    QFETCH(QString, message);
    if (outElsewhere)
        history->stored.append(Entry(clock->now(), Student("Bo", "2", {}), Item("Flute", 1)));
    history->storing = false;
    fillIn("1815", "secret");
    DialogAnswerer answerer;
    answerer.answerMessage(QMessageBox::Ok);
    clickSignOut();

    QCOMPARE(answerer.shownTexts(), QStringList { message });
    QCOMPARE(child<QLineEdit>("usernameBox")->text(), QStringLiteral("1815"));
    QCOMPARE(child<QLineEdit>("passwordBox")->text(), QStringLiteral("secret"));
    QCOMPARE(logColumn(0).size(), outElsewhere ? 1 : 0);
}

void tst_SignOutWidget::itemChoiceRequired_data()
{
    QTest::addColumn<QList<Item>>("added");
    QTest::addColumn<QList<Item>>("removed");
    QTest::addColumn<bool>("rebuilt");

    const QList<Item> all { Item("Flute", 1), Item("Flute", 2), Item("Violin", 1) };
    QTest::newRow("empty inventory") << QList<Item>() << all << true;
    QTest::newRow("inventory emptied") << QList<Item>() << all << false;
    QTest::newRow("item added") << QList<Item> { Item(u"Cello"_s, 1) } << QList<Item>() << false;
    QTest::newRow("other item removed") << QList<Item>() << QList<Item> { Item(u"Violin"_s, 1) } << false;
    QTest::newRow("nothing changed") << QList<Item>() << QList<Item>() << false;
}

void tst_SignOutWidget::itemChoiceRequired()
{
    QFETCH(QList<Item>, added);
    QFETCH(QList<Item>, removed);
    QFETCH(bool, rebuilt);

    // Every change attempt of the inventory resets the list, even one that changed nothing.
    inventory->addItems(added);
    inventory->removeItems(removed);
    if (rebuilt)
        QVERIFY(rebuildPage());
    QCOMPARE(child<QComboBox>("itemBox")->currentIndex(), -1);

    fillIn("1815", "secret");
    DialogAnswerer answerer;
    answerer.answerMessage(QMessageBox::Ok);
    clickSignOut();

    QCOMPARE(answerer.shownTexts(), QStringList { ItemMissing });
    QCOMPARE(page->focusWidget(), child<QWidget>("itemBox"));
    QVERIFY(verifier->calls.isEmpty());
}

void tst_SignOutWidget::logShowsLatestFirst()
{
    const QDate today = clock->today();
    const Student student("Ada Lovelace", "1815", "secret");
    history->stored = { Entry(QDateTime(today, QTime(9, 0)), student, Item("Flute", 1)),
        Entry(QDateTime(today, QTime(11, 0)), student, Item("Flute", 2)),
        Entry(QDateTime(today.addDays(-1), QTime(12, 0)), student, Item("Cello", 1)),
        Entry(QDateTime(today, QTime(10, 0)), student, Item("Violin", 1)) };
    QVERIFY(rebuildPage());

    QCOMPARE(logColumn(2), QStringList({ "Flute #2", "Violin #1", "Flute #1" }));
}

void tst_SignOutWidget::logFollowsDateAtSignOut()
{
    const QDate tomorrow = clock->today().addDays(1);
    const Student student("Ada Lovelace", "1815", "secret");
    history->stored = { Entry(clock->now(), student, Item("Flute", 1)),
        Entry(QDateTime(tomorrow, QTime(0, 1)), student, Item("Flute", 2)) };
    QVERIFY(rebuildPage());
    QCOMPARE(logColumn(2), QStringList { "Flute #1" });

    // The day has changed, but nobody has said so yet (a computer waking up).
    const QSignalBlocker midnightNotHeard(clock.get());
    clock->set(QDateTime(tomorrow, QTime(0, 5)));
    child<QComboBox>("itemBox")->setCurrentIndex(2);
    fillIn("1815", "secret");
    clickSignOut();

    QCOMPARE(logColumn(2), QStringList({ "Violin #1", "Flute #2" }));
    QCOMPARE(history->queryTexts().last(), FakeHistory::queryText(tomorrow, tomorrow));
}

void tst_SignOutWidget::logFollowsDateAtMidnight()
{
    const QDate today = clock->today();
    history->stored = { Entry(clock->now(), verifier->student, Item("Flute", 1)),
        Entry(QDateTime(today.addDays(1), QTime(0, 1)), verifier->student, Item("Flute", 2)) };
    QVERIFY(rebuildPage());

    clock->set(QDateTime(today, QTime(23, 59, 59)));
    QCOMPARE(logColumn(2), QStringList { "Flute #1" });
    clock->set(QDateTime(today.addDays(1), QTime(0, 0)));
    QCOMPARE(logColumn(2), QStringList { "Flute #2" });
}

// Started as midnight passes, the page must not read one day for its log and
// another for what it believes the log shows.
void tst_SignOutWidget::startedAtMidnightShowsOneDay()
{
    const QDate today = clock->today();
    clock->set(QDateTime(today, QTime(23, 59, 59, 999)));
    clock->tickOnEveryReading(std::chrono::milliseconds(1));
    QVERIFY(rebuildPage());
    clock->tickOnEveryReading(std::chrono::milliseconds(0));

    fillIn("1815", "secret");
    clickSignOut();

    QCOMPARE(history->stored.size(), 1);
    QCOMPARE(logColumn(2), QStringList { "Flute #1" });
}

void tst_SignOutWidget::signOutWithRealStores_data()
{
    QTest::addColumn<bool>("active");
    QTest::newRow("window active") << true;
    QTest::newRow("no window active") << false;
}

void tst_SignOutWidget::signOutWithRealStores()
{
    QFETCH(bool, active);
    page.reset();
    DatabaseHistory realHistory(*clock);
    FileStudentList students("students.lst");
    students.setStudents({ Student("Ada Lovelace", "1815", QString()) });
    StudentVerifier realVerifier(&students, &realHistory, *clock);
    SignOutWidget realPage(inventory.get(), &realHistory, &students, &realVerifier, *clock);
    QVERIFY(showPage(&realPage, active));
    auto* usernameBox = namedChild<QLineEdit>(&realPage, "usernameBox");
    auto* passwordBox = namedChild<QLineEdit>(&realPage, "passwordBox");
    auto* itemBox = namedChild<QComboBox>(&realPage, "itemBox");
    auto* button = namedChild<QPushButton>(&realPage, "signOutButton");
    QAbstractItemModel* log = namedChild<QTreeView>(&realPage, "entryView")->model();

    // The first sign-out registers the password once it is typed again.
    DialogAnswerer answerer;
    answerer.answerInput("secret");
    usernameBox->setText("1815");
    passwordBox->setText("secret");
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(answerer.pending(), 0);
    QCOMPARE(log->rowCount(), 1);
    QCOMPARE(log->index(0, 1).data().toString(), QStringLiteral("Ada Lovelace (1815)"));
    QCOMPARE(log->index(0, 2).data().toString(), QStringLiteral("Flute #1"));
    QCOMPARE(usernameBox->text(), QString());
    QCOMPARE(passwordBox->text(), QString());
    QVERIFY(passwordMatches(students.student("1815").password(), QStringLiteral("secret")));

    // The verifier explains a refusal itself; the fields stay.
    answerer.answerMessage(QMessageBox::Ok);
    itemBox->setCurrentIndex(1);
    usernameBox->setText("1815");
    passwordBox->setText("wrong");
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(answerer.pending(), 0);
    QCOMPARE(answerer.shownTexts().last(), QStringLiteral("Invalid password."));
    QCOMPARE(log->rowCount(), 1);
    // Only the password is to be typed again.
    QCOMPARE(usernameBox->text(), QStringLiteral("1815"));
    QCOMPARE(passwordBox->text(), QString());
}

void tst_SignOutWidget::idleKioskForgetsTheStudent()
{
    DialogAnswerer answerer;
    answerer.answerMessage(QMessageBox::Ok);
    verifier->accepting = false;
    fillIn("1815", "secret");
    page->setIdleInterval(std::chrono::milliseconds(100));
    clickSignOut();
    QCOMPARE(verifier->calls.size(), 1);
    QCOMPARE(child<QLineEdit>("passwordBox")->text(), QStringLiteral("secret"));

    QTRY_COMPARE_WITH_TIMEOUT(child<QLineEdit>("passwordBox")->text(), QString(), 2000);
    QCOMPARE(child<QLineEdit>("usernameBox")->text(), QString());
    QCOMPARE(child<QComboBox>("itemBox")->currentIndex(), 0);
    QVERIFY(answerer.shown().isEmpty());
    // The next student types into the ID field, not into the button clicked last.
    QCOMPARE(page->focusWidget(), child<QWidget>("usernameBox"));
}

void tst_SignOutWidget::inputKeepsTheStudent()
{
    page->setIdleInterval(std::chrono::milliseconds(300));
    auto* usernameBox = child<QLineEdit>("usernameBox");
    usernameBox->setFocus();
    for (int i = 0; i < 6; ++i) {
        QTest::qWait(100);
        QTest::keyClick(usernameBox, Qt::Key_1);
    }
    QCOMPARE(usernameBox->text(), QStringLiteral("111111"));
    QTRY_COMPARE_WITH_TIMEOUT(usernameBox->text(), QString(), 2000);
}

void tst_SignOutWidget::idleKioskRefusesAnOpenConfirmation()
{
    page.reset();
    FakeHistory fakeHistory(*clock);
    FileStudentList students("students.lst");
    students.setStudents({ Student("Ada Lovelace", "1815", QString()) });
    StudentVerifier realVerifier(&students, &fakeHistory, *clock);
    SignOutWidget realPage(inventory.get(), &fakeHistory, &students, &realVerifier, *clock);
    QVERIFY(showPage(&realPage, true));
    realPage.setIdleInterval(std::chrono::milliseconds(200));

    // The student is asked to confirm a first password and walks away.
    DialogAnswerer answerer;
    bool leftOpen = false;
    answerer.answerWith([&leftOpen](QWidget*) { leftOpen = true; });
    namedChild<QLineEdit>(&realPage, "usernameBox")->setText("1815");
    namedChild<QLineEdit>(&realPage, "passwordBox")->setText("secret");
    QTest::mouseClick(namedChild<QPushButton>(&realPage, "signOutButton"), Qt::LeftButton);

    QVERIFY(leftOpen);
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(fakeHistory.stored.isEmpty());
    QVERIFY(students.student("1815").password().isNull());
    QCOMPARE(namedChild<QLineEdit>(&realPage, "usernameBox")->text(), QString());
    QCOMPARE(namedChild<QLineEdit>(&realPage, "passwordBox")->text(), QString());
}

void tst_SignOutWidget::keyboardAlone_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<bool>("signsOut");
    QTest::addColumn<QString>("focusAfter");

    QTest::newRow("Return in the password field signs out") << u"passwordBox"_s << true << u"usernameBox"_s;
    QTest::newRow("Return on the item box signs out") << u"itemBox"_s << true << u"usernameBox"_s;
    QTest::newRow("Return in the ID field moves on") << u"usernameBox"_s << false << u"passwordBox"_s;
}

void tst_SignOutWidget::keyboardAlone()
{
    QFETCH(QString, focus);
    QFETCH(bool, signsOut);
    QFETCH(QString, focusAfter);
    fillIn("1815", "secret");
    child<QComboBox>("itemBox")->setCurrentIndex(2);
    QWidget* widget = child<QWidget>(qPrintable(focus));
    widget->setFocus();
    DialogAnswerer answerer;
    QTest::keyClick(widget, Qt::Key_Return);

    QCOMPARE(history->stored.size(), signsOut ? 1 : 0);
    QCOMPARE(page->focusWidget(), child<QWidget>(qPrintable(focusAfter)));
    QCOMPARE(child<QLabel>("noticeLabel")->text(), signsOut ? u"Ada Lovelace signed out Violin #1"_s : QString());
}

void tst_SignOutWidget::scanning_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("pause");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("focusAfter");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("attempts");
    QTest::addColumn<int>("stallAfter"); // keys before a pause of 200 ms; -1: none
    QTest::addColumn<QString>("notice");

    const QString violin = itemCode(Item("Violin", 1));
    QTest::newRow("label scanned in the password field")
        << u"passwordBox"_s << violin << 5 << u"Violin #1"_s << u"1815"_s << u"secret"_s << u"passwordBox"_s
        << QStringList() << 0 << -1 << QString();
    QTest::newRow("label scanned in the ID field with Caps Lock on")
        << u"usernameBox"_s << violin.toLower() << 20 << u"Violin #1"_s << u"1815"_s << u"secret"_s << u"usernameBox"_s
        << QStringList() << 0 << -1 << QString();
    QTest::newRow("label of a removed item")
        << u"passwordBox"_s << itemCode(Item("Cello", 1)) << 5 << u"Flute #1"_s << u"1815"_s << u"secret"_s
        << u"passwordBox"_s << QStringList { u"Cello #1 is no longer in the inventory."_s } << 0 << -1 << QString();
    QTest::newRow("card scanned on the item box")
        << u"itemBox"_s << u"20417"_s << 5 << u"Flute #1"_s << u"20417"_s << QString() << u"passwordBox"_s
        << QStringList() << 0 << -1 << QString();
    QTest::newRow("label's letters typed by a person")
        << u"usernameBox"_s << violin << 150 << u"Flute #1"_s << u"1815"_s + violin << u"secret"_s << u"passwordBox"_s
        << QStringList() << 0 << -1 << QString();
    QTest::newRow("password beginning like a label, typed by a person")
        << u"passwordBox"_s << u"brxylophone"_s << 150 << u"Flute #1"_s << u"1815"_s << u"secretbrxylophone"_s
        << u"passwordBox"_s << QStringList() << 1 << -1 << QString();
    QTest::newRow("password typed at a scanner's pace is no card")
        << u"passwordBox"_s << u"pw1234"_s << 5 << u"Flute #1"_s << u"1815"_s << u"secretpw1234"_s << u"passwordBox"_s
        << QStringList() << 1 << -1 << QString();
    QTest::newRow("label cut by a pause: its tail passed for a card")
        << u"usernameBox"_s << violin << 5 << u"Violin #1"_s << u"1815"_s << u"secret"_s << u"usernameBox"_s
        << QStringList() << 0 << 5 << QString();
    QTest::newRow("label cut by a pause in the password field")
        << u"passwordBox"_s << violin << 5 << u"Violin #1"_s << u"1815"_s << u"secret"_s << u"passwordBox"_s
        << QStringList() << 0 << 8 << QString();
    QString garbled = violin;
    garbled[garbled.size() - 1] = garbled.endsWith(u'B') ? u'C' : u'B';
    QTest::newRow("garbled label cut by a pause: dropped, scan again")
        << u"usernameBox"_s << garbled << 5 << u"Flute #1"_s << u"1815"_s << u"secret"_s << u"usernameBox"_s
        << QStringList() << 0 << 5 << u"Please scan the label again."_s;
    QTest::newRow("letters at a scanner's pace that are no ID go where typed")
        << u"usernameBox"_s << u"JVTFFVX"_s << 5 << u"Flute #1"_s << u"1815JVTFFVX"_s << u"secret"_s << u"passwordBox"_s
        << QStringList() << 0 << -1 << QString();
    QTest::newRow("card of a listed ID without digits")
        << u"itemBox"_s << u"kimlee"_s << 5 << u"Flute #1"_s << u"kimlee"_s << QString() << u"passwordBox"_s
        << QStringList() << 0 << -1 << QString();
}

void tst_SignOutWidget::scanning()
{
    QFETCH(QString, focus);
    QFETCH(QString, keys);
    QFETCH(int, pause);
    QFETCH(QString, item);
    QFETCH(QString, id);
    QFETCH(QString, password);
    QFETCH(QString, focusAfter);
    QFETCH(QStringList, messages);
    QFETCH(int, attempts);
    QFETCH(int, stallAfter);
    QFETCH(QString, notice);
    // Return after typing signs out where it should; the verifier refuses, so the fields show what was typed.
    verifier->accepting = false;
    fillIn("1815", "secret");
    child<QWidget>(qPrintable(focus))->setFocus();
    DialogAnswerer answerer;
    for (qsizetype i = 0; i < messages.size(); ++i)
        answerer.answerMessage(QMessageBox::Ok);
    typeKeys(page.get(), keys, std::chrono::milliseconds(pause), stallAfter);

    QCOMPARE(answerer.shownTexts(), messages);
    QCOMPARE(child<QComboBox>("itemBox")->currentText(), item);
    QCOMPARE(child<QLineEdit>("usernameBox")->text(), id);
    QCOMPARE(child<QLineEdit>("passwordBox")->text(), password);
    QCOMPARE(page->focusWidget(), child<QWidget>(qPrintable(focusAfter)));
    // A scanner's Return ends its scan and nothing else.
    QCOMPARE(verifier->calls.size(), attempts);
    QCOMPARE(child<QLabel>("noticeLabel")->text(), notice);
}

// The keyboard alone goes ID, password, item, Sign Out, then the log, and back.
void tst_SignOutWidget::tabOrder_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("to");

    QTest::newRow("ID skips the password") << "usernameBox" << int(Qt::Key_Tab) << "passwordBox";
    QTest::newRow("password skips the item") << "passwordBox" << int(Qt::Key_Tab) << "itemBox";
    QTest::newRow("item skips Sign Out") << "itemBox" << int(Qt::Key_Tab) << "signOutButton";
    QTest::newRow("Sign Out skips the log") << "signOutButton" << int(Qt::Key_Tab) << "entryView";
    QTest::newRow("back from the password misses the ID") << "passwordBox" << int(Qt::Key_Backtab) << "usernameBox";
    QTest::newRow("back from the log misses Sign Out") << "entryView" << int(Qt::Key_Backtab) << "signOutButton";
}

void tst_SignOutWidget::tabOrder()
{
    QFETCH(QString, from);
    QFETCH(int, key);
    QFETCH(QString, to);

    QWidget* start = child<QWidget>(qPrintable(from));
    start->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), start);
    QTest::keyClick(start, Qt::Key(key), key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), to);
}

QTEST_MAIN(tst_SignOutWidget)
#include "tst_SignOutWidget.moc"
