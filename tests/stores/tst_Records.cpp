#include "stores/Entry.h"

#include <QTest>

class tst_Records : public QObject
{
    Q_OBJECT

private slots:
    void studentText_data();
    void studentText();
    void itemText_data();
    void itemText();
    void itemsDiffer_data();
    void itemsDiffer();
    void entryKeepsItsSnapshot();
    void entryMoment_data();
    void entryMoment();
};

void tst_Records::studentText_data()
{
    QTest::addColumn<Student>("student");
    QTest::addColumn<QString>("text");
    QTest::newRow("named") << Student("Ada Lovelace", "1815", QString()) << "Ada Lovelace (1815)";
    QTest::newRow("default") << Student() << " ()";
}

void tst_Records::studentText()
{
    QFETCH(Student, student);
    QFETCH(QString, text);
    QCOMPARE(student.toString(), text);
}

void tst_Records::itemText_data()
{
    QTest::addColumn<Item>("item");
    QTest::addColumn<QString>("text");
    QTest::newRow("plain") << Item("Flute", 3) << "Flute #3";
    QTest::newRow("no leading zeros") << Item("Flute", 10) << "Flute #10";
    QTest::newRow("negative") << Item("Flute", -2) << "Flute #-2";
    QTest::newRow("empty name") << Item("", 4) << " #4";
}

void tst_Records::itemText()
{
    QFETCH(Item, item);
    QFETCH(QString, text);
    QCOMPARE(item.toString(), text);
}

void tst_Records::itemsDiffer_data()
{
    QTest::addColumn<Item>("a");
    QTest::addColumn<Item>("b");
    QTest::addColumn<bool>("differ");
    QTest::newRow("same") << Item("Flute", 3) << Item("Flute", 3) << false;
    QTest::newRow("case of name") << Item("Flute", 3) << Item("flute", 3) << true;
    QTest::newRow("number") << Item("Flute", 3) << Item("Flute", 4) << true;
}

void tst_Records::itemsDiffer()
{
    QFETCH(Item, a);
    QFETCH(Item, b);
    QFETCH(bool, differ);
    QCOMPARE(a != b, differ);
    QCOMPARE(a == b, !differ);
}

void tst_Records::entryKeepsItsSnapshot()
{
    Student student("Ada", "1", "secret");
    const Entry entry(QDateTime::currentDateTime(), student, Item("Oboe", 1));
    student.setPassword(QString());
    QCOMPARE(entry.student().password(), QString("secret"));
    QVERIFY(Student("Ada", "1", "").password() == "" && !Student("Ada", "1", "").password().isNull());
}

// Runs under TZ=Europe/Berlin: 2026-10-25 has the hour from 02:00 to 03:00 twice.
void tst_Records::entryMoment_data()
{
    QTest::addColumn<qint64>("msecsSinceEpoch");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QTime>("time");
    const auto utc = [](int hour, int minute) {
        return QDateTime(QDate(2026, 10, 25), QTime(hour, minute), Qt::UTC).toMSecsSinceEpoch();
    };
    QTest::newRow("summer time") << utc(0, 30) << QDate(2026, 10, 25) << QTime(2, 30);
    QTest::newRow("same hour again, winter time") << utc(1, 30) << QDate(2026, 10, 25) << QTime(2, 30);
    QTest::newRow("before the epoch, milliseconds") << qint64(-1) << QDate(1970, 1, 1) << QTime(0, 59, 59, 999);
}

void tst_Records::entryMoment()
{
    QFETCH(qint64, msecsSinceEpoch);
    QFETCH(QDate, date);
    QFETCH(QTime, time);
    const QDateTime moment = QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch);
    for (const Entry& entry : { Entry(msecsSinceEpoch, Student(), Item()), Entry(moment, Student(), Item()) }) {
        QCOMPARE(entry.msecsSinceEpoch(), msecsSinceEpoch);
        QCOMPARE(entry.dateTime(), moment);
        QCOMPARE(entry.dateTime().timeSpec(), Qt::LocalTime);
        QCOMPARE(entry.date(), date);
        QCOMPARE(entry.time(), time);
    }
    QVERIFY(!Entry().dateTime().isValid());
}

QTEST_APPLESS_MAIN(tst_Records)
#include "tst_Records.moc"
