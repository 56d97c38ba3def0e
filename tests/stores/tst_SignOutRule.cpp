#include "stores/FileStudentList.h"
#include "stores/SignOutRule.h"
#include "stores/passwordHash.h"
#include "support/FakeClock.h"
#include "support/FakeHistory.h"
#include "support/TestWorkspace.h"

#include <QTest>

using Outcome = SignOutRule::Outcome;

// The rule alone, without a dialog: what it decides, and what it stores.
class tst_SignOutRule : public QObject
{
    Q_OBJECT

private slots:
    void decides_data();
    void decides();
    void confirms_data();
    void confirms();
};

static const Item oboe("Oboe", 1);

struct Desk
{
    TestWorkspace workspace;
    FakeClock clock;
    FakeHistory history { clock };
    FileStudentList students { "students.lst" };
    SignOutRule rule { &students, &history, clock };

    Desk()
    {
        // Ada's password is plain, as older releases kept it.
        students.setStudents({ Student("Ada", "ada", "secret"), Student("Newcomer", "new", QString()) });
    }
};

void tst_SignOutRule::decides_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("wrongBefore");
    QTest::addColumn<bool>("oboeOut");
    QTest::addColumn<bool>("historyReadable");
    QTest::addColumn<Outcome>("outcome");

    QTest::newRow("unknown ID before anything else") << "nobody"
                                                     << "secret" << 0 << true << false << Outcome::UnknownStudent;
    QTest::newRow("unread history lets nothing through")
        << "ada"
        << "secret" << 0 << false << false << Outcome::HistoryUnreadable;
    QTest::newRow("item out before the password") << "ada"
                                                  << "wrong" << 0 << true << true << Outcome::ItemOut;
    QTest::newRow("first password needs its confirmation") << "new"
                                                           << "pw" << 0 << false << true << Outcome::NeedsConfirmation;
    QTest::newRow("wrong password") << "ada"
                                    << "Secret" << 0 << false << true << Outcome::WrongPassword;
    QTest::newRow("four wrong ones still let the right one in") << "ada"
                                                                << "secret" << 4 << false << true << Outcome::Accepted;
    QTest::newRow("five wrong ones hold even the right one") << "ada"
                                                             << "secret" << 5 << false << true << Outcome::Held;
}

void tst_SignOutRule::decides()
{
    QFETCH(QString, id);
    QFETCH(QString, password);
    QFETCH(int, wrongBefore);
    QFETCH(bool, oboeOut);
    QFETCH(bool, historyReadable);
    QFETCH(Outcome, outcome);
    Desk desk;
    for (int i = 0; i < wrongBefore; ++i)
        QCOMPARE(desk.rule.decide(id, "guess", oboe).outcome, Outcome::WrongPassword);
    if (oboeOut)
        desk.history.add(Student("Other", "other", QString()), oboe);
    desk.history.reading = historyReadable;

    const SignOutRule::Decision decision = desk.rule.decide(id, password, oboe);
    QCOMPARE(decision.outcome, outcome);
    const bool accepted = outcome == Outcome::Accepted;
    // The record goes with an acceptance, and with the question, for whose account it is.
    QCOMPARE(decision.student.id(), accepted || outcome == Outcome::NeedsConfirmation ? id : QString());
    QCOMPARE(decision.wait.count() > 0, outcome == Outcome::Held);
    // The plain password of an older release is replaced by its hash only when typed right.
    QCOMPARE(isPasswordHash(desk.students.student("ada").password()), accepted);
    QVERIFY(desk.students.student("new").password().isNull());
}

void tst_SignOutRule::confirms_data()
{
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<bool>("registered");

    QTest::newRow("same password registers it") << "pw" << Outcome::Accepted << true;
    QTest::newRow("another one registers nothing") << "pW" << Outcome::ConfirmationDiffers << false;
}

void tst_SignOutRule::confirms()
{
    QFETCH(QString, confirmation);
    QFETCH(Outcome, outcome);
    QFETCH(bool, registered);
    Desk desk;
    const SignOutRule::Decision asked = desk.rule.decide("new", "pw", oboe);
    QCOMPARE(asked.outcome, Outcome::NeedsConfirmation);

    const SignOutRule::Decision decision = desk.rule.confirm(asked.student, "pw", confirmation);
    QCOMPARE(decision.outcome, outcome);
    // The record as it was read: its password still null.
    QCOMPARE(decision.student, registered ? Student("Newcomer", "new", QString()) : Student());
    const QString stored = desk.students.student("new").password();
    QCOMPARE(!stored.isNull(), registered);
    if (registered)
        QCOMPARE(desk.rule.decide("new", "pw", oboe).outcome, Outcome::Accepted);
}

QTEST_GUILESS_MAIN(tst_SignOutRule)
#include "tst_SignOutRule.moc"
