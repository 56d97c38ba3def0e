#include "stores/GuessThrottle.h"
#include "support/FakeClock.h"

#include <QTest>

using std::chrono::seconds;

class tst_GuessThrottle : public QObject
{
    Q_OBJECT

private slots:
    void waitGrowsWithWrongPasswords_data();
    void waitGrowsWithWrongPasswords();
    void waitIsRoundedUp();
};

void tst_GuessThrottle::waitGrowsWithWrongPasswords_data()
{
    QTest::addColumn<int>("wrong");
    QTest::addColumn<int>("wait");
    QTest::newRow("four are free") << 4 << 0;
    QTest::newRow("the fifth holds 30 s") << 5 << 30;
    QTest::newRow("the sixth doubles it") << 6 << 60;
    QTest::newRow("the seventh doubles again") << 7 << 120;
    QTest::newRow("never past 15 minutes") << 40 << 900;
}

// Each wrong password comes once the wait before it is over, as the kiosk refuses earlier ones.
void tst_GuessThrottle::waitGrowsWithWrongPasswords()
{
    QFETCH(int, wrong);
    QFETCH(int, wait);
    FakeClock clock;
    GuessThrottle throttle(clock);
    for (int i = 0; i < wrong; ++i) {
        clock.set(clock.now().addSecs(throttle.wait("1815").count()));
        throttle.failed("1815");
    }
    QCOMPARE(throttle.wait("1815"), seconds(wait));
    QCOMPARE(throttle.wait("1816"), seconds(0));
}

// "Please wait 0 seconds" would be a refusal without a reason.
void tst_GuessThrottle::waitIsRoundedUp()
{
    FakeClock clock;
    GuessThrottle throttle(clock);
    for (int i = 0; i < 5; ++i)
        throttle.failed("1815");
    clock.set(clock.now().addMSecs(29'500));
    QCOMPARE(throttle.wait("1815"), seconds(1));
    clock.set(clock.now().addMSecs(500));
    QCOMPARE(throttle.wait("1815"), seconds(0));
}

QTEST_GUILESS_MAIN(tst_GuessThrottle)
#include "tst_GuessThrottle.moc"
