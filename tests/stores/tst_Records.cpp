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

QTEST_APPLESS_MAIN(tst_Records)
#include "tst_Records.moc"
