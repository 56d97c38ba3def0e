#include "stores/FileStudentList.h"
#include "stores/fileAccess.h"
#include "stores/studentCsv.h"
#include "support/TestWorkspace.h"

#include <QTest>

using Students = QList<Student>;

class tst_studentCsv : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void unicodeByteOrderMarks_data();
    void unicodeByteOrderMarks();
    void hugeLine();
    void importReplacesTheListAndDropsPasswords();
    void missingFileIsNotOpened();
};

static Student student(const QString& id, const QString& name)
{
    return Student(name, id, QString());
}

void tst_studentCsv::parse_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<Students>("students");
    QTest::newRow("three fields") << QByteArray("id,first,last\nX,Y,Z\n") << Students { student("X", "Y Z") };
    QTest::newRow("fourth field ignored") << QByteArray("h\nW,X,Y,Z") << Students { student("W", "X Y") };
    QTest::newRow("spaces kept in names") << QByteArray("h\nX, Y, Z\n") << Students { student("X", " Y  Z") };
    QTest::newRow("padded ID could never sign in: trimmed")
        << QByteArray("h\n1815 ,Ada,Lovelace\n\t7\t,Bo,Diddley\n") << Students { student("1815", "Ada Lovelace"), student("7", "Bo Diddley") };
    QTest::newRow("ID blank once trimmed: skipped") << QByteArray("h\n  ,Ada,Lovelace\n") << Students();
    QTest::newRow("quotes are text, commas split")
        << QByteArray("h\n\"1\",\"Smith, Jr\",Al\n") << Students { student("\"1\"", "\"Smith  Jr\"") };
    QTest::newRow("CRLF like LF") << QByteArray("h\r\nA,B,C\r\nD,E,F\r\n")
                                  << Students { student("A", "B C"), student("D", "E F") };
    QTest::newRow("lone CR does not end a line") << QByteArray("h\nA,B,C\rD\n") << Students { student("A", "B C\rD") };
    QTest::newRow("file order, repeats kept")
        << QByteArray("h\n2,B,B\n1,A,A\n2,C,C\n") << Students { student("2", "B B"), student("1", "A A"), student("2", "C C") };
    QTest::newRow("header only") << QByteArray("id,first,last\n") << Students();
    QTest::newRow("empty file") << QByteArray() << Students();
    QTest::newRow("no header loses the first line") << QByteArray("A,B,C\nD,E,F") << Students { student("D", "E F") };
    QTest::newRow("short and empty lines skipped")
        << QByteArray("h\n\nA,B\nC\nD,E,F\n,,\n") << Students { student("D", "E F") };
    QTest::newRow("UTF-8 names") << QByteArray("h\n9,Zoë,Ørsted 🎻\n") << Students { student("9", "Zoë Ørsted 🎻") };
    QTest::newRow("invalid UTF-8") << QByteArray("h\n1,\xff\xfe\xc3,\xe2\x82\n")
                                   << Students { student("1", QString::fromUtf8("\xff\xfe\xc3") + " " + QString::fromUtf8("\xe2\x82")) };
    QTest::newRow("NUL bytes") << QByteArray("h\nA,B\0b,C\n", 11) << Students { student("A", QString("B") + QChar(0) + "b C") };
}

void tst_studentCsv::parse()
{
    QFETCH(QByteArray, csv);
    QFETCH(Students, students);
    QTextStream stream(&csv, QIODevice::ReadOnly);
    QCOMPARE(readStudentCsv(stream), students);
}

void tst_studentCsv::unicodeByteOrderMarks_data()
{
    QTest::addColumn<QByteArray>("csv");
    const QString text = "id,first,last\n5,Zoë,Å\n";
    QByteArray utf16le("\xff\xfe");
    for (QChar c : text)
        utf16le.append(char(c.unicode() & 0xff)).append(char(c.unicode() >> 8));
    QTest::newRow("UTF-16LE") << utf16le;
    QTest::newRow("UTF-8 with mark") << QByteArray("\xef\xbb\xbf") + text.toUtf8();
}

void tst_studentCsv::unicodeByteOrderMarks()
{
    QFETCH(QByteArray, csv);
    QTextStream stream(&csv, QIODevice::ReadOnly);
    QCOMPARE(readStudentCsv(stream), Students { student("5", "Zoë Å") });
}

// A 100 MB line with no comma: read once, skipped, nothing kept from it.
// AddressSanitizer's allocator makes the many large reallocations take minutes,
// so under it the line is smaller.
#ifdef __SANITIZE_ADDRESS__
constexpr int HugeLineMegabytes = 8;
#else
constexpr int HugeLineMegabytes = 100;
#endif

void tst_studentCsv::hugeLine()
{
    TestWorkspace workspace;
    {
        QFile file("huge.csv");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("ID,First,Last\n");
        const QByteArray block(1 << 20, 'x');
        for (int i = 0; i < HugeLineMegabytes; ++i)
            file.write(block);
        file.write("\n1,Ada,Lovelace\n");
    }
    const auto [opened, students] = withTextStream("huge.csv", QIODevice::ReadOnly, readStudentCsv);
    QVERIFY(opened);
    QCOMPARE(students, Students { student("1", "Ada Lovelace") });
}

void tst_studentCsv::importReplacesTheListAndDropsPasswords()
{
    TestWorkspace workspace;
    FileStudentList list("students.lst");
    list.setStudents({ Student("Ada", "1", "pw"), Student("Gone", "3", "pw") });
    workspace.writeFile("list.csv", "ID,First,Last\n1,Ada,Lovelace\n2,Bo,Diddley\n");

    const auto [opened, students] = withTextStream("list.csv", QIODevice::ReadOnly, readStudentCsv);
    QVERIFY(opened);
    list.setStudents(students);
    QCOMPARE(list.count(), 2);
    QCOMPARE(list.student("1"), Student("Ada Lovelace", "1", QString()));
    QVERIFY(!list.contains("3"));
}

void tst_studentCsv::missingFileIsNotOpened()
{
    TestWorkspace workspace;
    const auto [opened, students] = withTextStream("missing.csv", QIODevice::ReadOnly, readStudentCsv);
    QVERIFY(!opened);
    QVERIFY(students.isEmpty());
}

QTEST_GUILESS_MAIN(tst_studentCsv)
#include "tst_studentCsv.moc"
