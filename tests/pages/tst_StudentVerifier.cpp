#include "pages/StudentVerifier.h"
#include "stores/DatabaseHistory.h"
#include "stores/FileStudentList.h"
#include "stores/SystemClock.h"
#include "stores/passwordHash.h"
#include "support/DialogAnswerer.h"
#include "support/FakeClock.h"
#include "support/FakeHistory.h"
#include "support/StoreBackend.h"
#include "support/TestWorkspace.h"

#include <QAbstractButton>
#include <QInputDialog>
#include <QTest>
#include <QWidget>

#include <memory>

class tst_StudentVerifier : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void refusals_data();
    void refusals();
    void registeredPasswordAccepts();
    void olderPlainPasswordIsHashedOnce();
    void wrongPasswordsHoldOneIdOnly();
    void firstPassword_data();
    void firstPassword();
    void firstPasswordThenAnotherOne();
    void unsavedFirstPasswordIsReported();
    void unreadHistoryLetsNothingThrough_data();
    void unreadHistoryLetsNothingThrough();
    void blockedOnlyForTheSameItemToday_data();
    void blockedOnlyForTheSameItemToday();

private:
    std::pair<bool, Student> verify(const QString& id, const QString& password, const Item& item);

    SystemClock clock;
    std::unique_ptr<TestWorkspace> workspace;
    std::unique_ptr<DatabaseHistory> history;
    std::unique_ptr<FileStudentList> students;
    std::unique_ptr<StudentVerifier> verifier;
};

static const Item oboe("Oboe", 1);
// Whose account it is, so that a mistyped ID is seen before it takes another pupil's account.
static const QString confirmationLabel
    = "A password was not previously registered for 'Newcomer (new)'.\nPlease re-confirm your password.";

void tst_StudentVerifier::init()
{
    workspace = std::make_unique<TestWorkspace>();
    history = std::make_unique<DatabaseHistory>(clock);
    students = std::make_unique<FileStudentList>("students.lst");
    // Ada's password is plain, as older releases kept it.
    students->setStudents({ Student("Ada", "ada", "secret"), Student("Newcomer", "new", QString()),
        Student("Damaged", "cut", "$argon2id$v=19$m=19456,t=2,p=1$c2FsdHNhbHQ") });
    verifier = std::make_unique<StudentVerifier>(students.get(), history.get(), clock);
}

void tst_StudentVerifier::cleanup()
{
    verifier.reset();
    students.reset();
    history.reset();
    workspace.reset();
}

std::pair<bool, Student> tst_StudentVerifier::verify(const QString& id, const QString& password, const Item& item)
{
    return verifier->verify(id, password, item);
}

static void checkRefused(const std::pair<bool, Student>& result)
{
    QVERIFY(!result.first);
    QVERIFY(result.second.name().isNull());
    QVERIFY(result.second.id().isNull());
    QVERIFY(result.second.password().isNull());
}

void tst_StudentVerifier::refusals_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("oboeOutToday");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown ID before a taken item") << "nobody"
                                                    << "secret" << true << "Invalid username.";
    QTest::newRow("ID is case-sensitive") << "ADA"
                                          << "secret" << false << "Invalid username.";
    QTest::newRow("taken item before the password") << "ada"
                                                    << "wrong" << true << "The item is already signed out.";
    QTest::newRow("taken item before registering") << "new"
                                                   << "pw" << true << "The item is already signed out.";
    QTest::newRow("wrong password") << "ada"
                                    << "Secret" << false << "Invalid password.";
    QTest::newRow("password is not trimmed") << "ada"
                                             << "secret " << false << "Invalid password.";
    QTest::newRow("cut-off hash refuses, never crashes") << "cut"
                                                         << "pw" << false << "Invalid password.";
}

void tst_StudentVerifier::refusals()
{
    QFETCH(QString, id);
    QFETCH(QString, password);
    QFETCH(bool, oboeOutToday);
    QFETCH(QString, message);
    if (oboeOutToday)
        history->add(Student("Other", "other", "x"), oboe);

    DialogAnswerer dialogs;
    dialogs.answerMessage();
    checkRefused(verify(id, password, oboe));
    QCOMPARE(dialogs.shownTexts(), QStringList { message });
    QCOMPARE(dialogs.shown().first().title, QString("Brindlow"));
    QVERIFY(students->student("new").password().isNull());
    QCOMPARE(students->student("cut").password(), QString("$argon2id$v=19$m=19456,t=2,p=1$c2FsdHNhbHQ"));
}

void tst_StudentVerifier::registeredPasswordAccepts()
{
    DialogAnswerer dialogs;
    const auto [accepted, record] = verify("ada", "secret", oboe);
    QVERIFY(accepted);
    QCOMPARE(record, Student("Ada", "ada", "secret"));
    QVERIFY(dialogs.shown().isEmpty());
}

void tst_StudentVerifier::olderPlainPasswordIsHashedOnce()
{
    DialogAnswerer dialogs;
    QVERIFY(verify("ada", "secret", oboe).first);
    const QString hash = students->student("ada").password();
    QVERIFY(isPasswordHash(hash));

    QVERIFY(verify("ada", "secret", Item("Harp", 1)).first);
    QCOMPARE(students->student("ada").password(), hash);
    dialogs.answerMessage();
    QVERIFY(!verify("ada", hash, Item("Harp", 2)).first); // the hash is no password
}

// After five wrong passwords an ID waits, 30 s and then longer; nobody else does.
void tst_StudentVerifier::wrongPasswordsHoldOneIdOnly()
{
    FakeClock fakeClock;
    StudentVerifier verifying(students.get(), history.get(), fakeClock);
    const QString held
        = "Too many wrong passwords for this student ID. Please wait 30 seconds or ask a member of staff.";
    DialogAnswerer dialogs;
    for (int i = 0; i < 5; ++i) {
        dialogs.answerMessage();
        QVERIFY(!verifying.verify("ada", "guess", oboe).first);
    }
    dialogs.answerMessage();
    QVERIFY(!verifying.verify("ada", "secret", oboe).first);
    QCOMPARE(dialogs.shownTexts().last(), held);

    dialogs.answerInput("pw");
    QVERIFY(verifying.verify("new", "pw", oboe).first); // another student goes ahead

    fakeClock.set(fakeClock.now().addSecs(30));
    QVERIFY(verifying.verify("ada", "secret", Item("Harp", 1)).first);

    // Held again, until staff reset the password.
    for (int i = 0; i < 6; ++i)
        dialogs.answerMessage();
    for (int i = 0; i < 6; ++i)
        verifying.verify("ada", "guess", oboe);
    QCOMPARE(dialogs.shownTexts().last(), held);
    students->clearPasswords({ "ada" });
    dialogs.answerInput("fresh");
    QVERIFY(verifying.verify("ada", "fresh", oboe).first);
    QCOMPARE(dialogs.pending(), 0);
}

void tst_StudentVerifier::firstPassword_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("confirmation"); // null: the dialog is cancelled
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("confirmed") << "pw"
                               << "pw" << true << QStringList();
    QTest::newRow("mismatched") << "pw"
                                << "pW" << false << QStringList { "The passwords did not match." };
    // The page trims the password typed first; the confirmation likewise.
    QTest::newRow("surrounding spaces trimmed like the password") << "pw"
                                                                  << " pw " << true << QStringList();
    QTest::newRow("cancelled") << "pw" << QString() << false << QStringList();
    QTest::newRow("empty password") << ""
                                    << "" << true << QStringList();
}

void tst_StudentVerifier::firstPassword()
{
    QFETCH(QString, password);
    QFETCH(QString, confirmation);
    QFETCH(bool, accepted);
    QFETCH(QStringList, messages);

    DialogAnswerer dialogs;
    if (confirmation.isNull())
        dialogs.reject();
    else
        dialogs.answerInput(confirmation);
    for (qsizetype i = 0; i < messages.size(); ++i)
        dialogs.answerMessage();

    const auto result = verify("new", password, oboe);
    QCOMPARE(dialogs.shown().first().text, confirmationLabel);
    QCOMPARE(dialogs.shown().first().title, QString("Brindlow"));
    QCOMPARE(dialogs.shownTexts().mid(1), messages);
    QCOMPARE(result.first, accepted);
    if (accepted) {
        // The record as it was before registering: its password is still null.
        QCOMPARE(result.second, Student("Newcomer", "new", QString()));
        QVERIFY(isPasswordHash(students->student("new").password()));
        QVERIFY(passwordMatches(students->student("new").password(), password));
    } else {
        checkRefused(result);
        QVERIFY(students->student("new").password().isNull());
    }
}

void tst_StudentVerifier::firstPasswordThenAnotherOne()
{
    DialogAnswerer dialogs;
    dialogs.answerInput("first");
    QVERIFY(verify("new", "first", oboe).first);
    dialogs.answerMessage();
    checkRefused(verify("new", "second", Item("Harp", 1)));
    QCOMPARE(dialogs.shownTexts().last(), QString("Invalid password."));
}

void tst_StudentVerifier::unsavedFirstPasswordIsReported()
{
    // A list whose file cannot be written: its folder does not exist.
    FileStudentList unsaved("missing/students.lst");
    unsaved.setStudents({ Student("Newcomer", "new", QString()) });
    StudentVerifier verifying(&unsaved, history.get(), clock);

    DialogAnswerer dialogs;
    dialogs.answerInput("pw");
    dialogs.answerMessage();
    QVERIFY(verifying.verify("new", "pw", oboe).first);
    QCOMPARE(dialogs.shownTexts().last(), QString("Your password could not be saved. Please tell a member of staff."));
    QVERIFY(passwordMatches(unsaved.student("new").password(), "pw"));
}

void tst_StudentVerifier::unreadHistoryLetsNothingThrough_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("password");
    QTest::newRow("registered student") << "ada"
                                        << "secret";
    QTest::newRow("first sign-out, not asked to confirm") << "new"
                                                          << "pw";
}

// Today's history could not be read, so the item may be out already.
void tst_StudentVerifier::unreadHistoryLetsNothingThrough()
{
    QFETCH(QString, id);
    QFETCH(QString, password);
    FakeHistory unreadable(clock);
    unreadable.reading = false;
    StudentVerifier verifying(students.get(), &unreadable, clock);

    DialogAnswerer dialogs;
    dialogs.answerMessage();
    checkRefused(verifying.verify(id, password, oboe));
    QCOMPARE(
        dialogs.shownTexts(), QStringList { "The sign-out could not be recorded. Please tell a member of staff." });
    QVERIFY(students->student("new").password().isNull());
}

void tst_StudentVerifier::blockedOnlyForTheSameItemToday_data()
{
    QTest::addColumn<Item>("taken");
    QTest::addColumn<int>("daysAgo");
    QTest::addColumn<bool>("blocked");
    QTest::newRow("same item today") << oboe << 0 << true;
    QTest::newRow("other number") << Item("Oboe", 2) << 0 << false;
    QTest::newRow("other case") << Item("oboe", 1) << 0 << false;
    QTest::newRow("yesterday") << oboe << 1 << false;
}

void tst_StudentVerifier::blockedOnlyForTheSameItemToday()
{
    QFETCH(Item, taken);
    QFETCH(int, daysAgo);
    QFETCH(bool, blocked);
    StoreBackend().record(
        { Entry(QDateTime::currentDateTime().addDays(-daysAgo), Student("Other", "other", "x"), taken) });

    DialogAnswerer dialogs;
    if (blocked)
        dialogs.answerMessage();
    QCOMPARE(verify("ada", "secret", oboe).first, !blocked);

    history->clear();
    QVERIFY(verify("ada", "secret", oboe).first);
}

QTEST_MAIN(tst_StudentVerifier)
#include "tst_StudentVerifier.moc"
