#include "models/usageTables.h"

#include <QDateTime>
#include <QTest>

class tst_usageTables : public QObject
{
    Q_OBJECT

private slots:
    void idleCopiesAtTheBoundary_data();
    void idleCopiesAtTheBoundary();
};

void tst_usageTables::idleCopiesAtTheBoundary_data()
{
    QTest::addColumn<int>("daysAgo");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<bool>("idle");
    QTest::newRow("out a day short of 8 weeks ago: not idle") << 55 << QTime(23, 59) << false;
    QTest::newRow("out 8 weeks ago to the day, early: idle") << 56 << QTime(0, 1) << true;
    QTest::newRow("out 8 weeks ago to the day, late: idle") << 56 << QTime(23, 59) << true;
    QTest::newRow("out long ago: idle") << 400 << QTime(12, 0) << true;
    QTest::newRow("out today: not idle") << 0 << QTime(9, 0) << false;
}

// Under TZ=Europe/Berlin, across the clock changes of the eight weeks.
void tst_usageTables::idleCopiesAtTheBoundary()
{
    QFETCH(int, daysAgo);
    QFETCH(QTime, time);
    QFETCH(bool, idle);
    const QDate today(2026, 11, 20);
    Usage usage;
    usage.lastSignOuts.insert(Item("Tuba", 1), QDateTime(today.addDays(-daysAgo), time).toMSecsSinceEpoch());
    QStringList shown;
    for (const auto& row : idleTable(usage, { Item("Tuba", 1), Item("Harp", 2) }, today, 8).rows)
        shown.append(row.at(0).text);
    // A copy never signed out is always idle.
    const QStringList expected = idle ? QStringList { "Harp #2", "Tuba #1" } : QStringList { "Harp #2" };
    QCOMPARE(shown, expected);
}

QTEST_MAIN(tst_usageTables)
#include "tst_usageTables.moc"
