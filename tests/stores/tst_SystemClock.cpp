#include "stores/SystemClock.h"
#include "support/namedChild.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <ctime>

class tst_SystemClock : public QObject
{
    Q_OBJECT

private slots:
    void waitsForTheNextMidnight();
    void followsTheWallClockWithoutMidnight();
};

static qint64 msecsToMidnight()
{
    const QDateTime now = QDateTime::currentDateTime();
    return now.msecsTo(now.date().addDays(1).startOfDay());
}

void tst_SystemClock::waitsForTheNextMidnight()
{
    SystemClock clock;
    QSignalSpy dayChanged(&clock, &Clock::dayChanged);
    auto* timer = namedChild<QTimer>(&clock, "midnightTimer");
    QVERIFY(timer->isActive());
    QVERIFY(qAbs(timer->remainingTime() - msecsToMidnight()) < 1000);

    // Fired early, before the date changed: no new day, and it waits again.
    timer->start(0);
    QTRY_VERIFY(timer->interval() > 0);
    QVERIFY(timer->isActive());
    QVERIFY(qAbs(timer->remainingTime() - msecsToMidnight()) < 1000);
    QCOMPARE(dayChanged.count(), 0);
}

// A computer that slept through midnight, a clock set by the network or a new
// time zone: the date changes with no timer reaching midnight. A new zone is
// the one a test can make.
void tst_SystemClock::followsTheWallClockWithoutMidnight()
{
    const QByteArray zone = qgetenv("TZ");
    const auto setZone = [](const QByteArray& name) {
        qputenv("TZ", name);
        tzset();
    };
    setZone("WEST+12"); // UTC-12, 26 hours behind UTC+14: always another date there
    SystemClock clock;
    QSignalSpy dayChanged(&clock, &Clock::dayChanged);
    const QDate before = clock.today();
    auto* timer = namedChild<QTimer>(&clock, "midnightTimer");
    if (timer->remainingTime() < 30'000)
        QSKIP("Midnight itself is too near");

    setZone("EAST-14");
    QTRY_COMPARE_WITH_TIMEOUT(dayChanged.count(), 1, 60'000); // within the minute
    QVERIFY(clock.today() != before);
    setZone(zone);
}

QTEST_GUILESS_MAIN(tst_SystemClock)
#include "tst_SystemClock.moc"
