#include "stores/SystemClock.h"
#include "support/namedChild.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class tst_SystemClock : public QObject
{
    Q_OBJECT

private slots:
    void waitsForTheNextMidnight();
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

QTEST_GUILESS_MAIN(tst_SystemClock)
#include "tst_SystemClock.moc"
