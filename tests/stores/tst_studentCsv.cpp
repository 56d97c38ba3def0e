#include "stores/FileStudentList.h"
#include "stores/fileAccess.h"
#include "stores/studentCsv.h"
#include "support/TestWorkspace.h"

#include <QBuffer>
#include <QTest>

using Students = QList<Student>;
Q_DECLARE_METATYPE(StudentCsv::Decoding)

class tst_studentCsv : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void unicodeByteOrderMarks_data();
    void unicodeByteOrderMarks();
    void encodingWithoutMark_data();
    void encodingWithoutMark();
    void lineFacts_data();
    void lineFacts();
    void hugeLine();
    void importReplacesTheListAndDropsPasswords();
    void missingFileIsNotOpened();
};

static Student student(const QString& id, const QString& name)
{
    return Student(name, id, QString());
}

static StudentCsv read(QByteArray bytes, QStringConverter::Encoding fallback = QStringConverter::System)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return readStudentCsv(buffer, fallback);
}

static StudentCsv readFile(const QString& fileName)
{
    return withFile(fileName, QIODevice::ReadOnly, [](QFile& file) { return readStudentCsv(file); }).second;
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
    QCOMPARE(read(csv).students, students);
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
    // The mark decides, whatever the fallback.
    const StudentCsv read = ::read(csv, QStringConverter::Latin1);
    QCOMPARE(read.students, Students { student("5", "Zoë Å") });
    QCOMPARE(read.decoding, StudentCsv::ByteOrderMark);
}

// The fallback is injected: this machine's system encoding is UTF-8, a school
// PC's is often Windows-1252, of which Latin-1 is the part names use.
void tst_studentCsv::encodingWithoutMark_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("name");
    QTest::addColumn<StudentCsv::Decoding>("decoding");
    QTest::newRow("spreadsheet's UTF-8 without mark read as UTF-8")
        << QByteArray("h\n1,Zoë,Ørsted 🎻\n") << "Zoë Ørsted 🎻" << StudentCsv::Utf8;
    QTest::newRow("code page file read in the fallback")
        << QByteArray("h\n1,Zo\xeb,\xd8rsted\n") << "Zoë Ørsted" << StudentCsv::Fallback;
    QTest::newRow("one bad byte at the very end sends the whole file to the fallback")
        << QByteArray("h\n1,Zo\xc3\xab,X\xc3") << "Zo\u00c3\u00ab X\u00c3" << StudentCsv::Fallback;
    // Five bytes before the name put the end of the first 64 KiB inside an "é".
    QString longName(70'000, u'é');
    QTest::newRow("character cut by a block boundary is still UTF-8") << QByteArray("id\n1,") + longName.toUtf8()
            + ",a\n" << longName + " a" << StudentCsv::Utf8;
}

void tst_studentCsv::encodingWithoutMark()
{
    QFETCH(QByteArray, csv);
    QFETCH(QString, name);
    QFETCH(StudentCsv::Decoding, decoding);
    const StudentCsv read = ::read(csv, QStringConverter::Latin1);
    QCOMPARE(read.decoding, decoding);
    QCOMPARE(read.students, Students { student("1", name) });
}

void tst_studentCsv::lineFacts_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QList<int>>("studentLines");
    QTest::addColumn<QList<StudentCsv::SkippedLine>>("skipped");
    QTest::addColumn<QStringList>("repeatedIds");
    QTest::addColumn<QList<QList<int>>>("repeatedLines");
    QTest::addColumn<QList<int>>("unreadable");

    using Skipped = QList<StudentCsv::SkippedLine>;
    QTest::newRow("skipped lines by number and reason, counting the header")
        << QByteArray("h\r\nA,B,C\r\n\r\nD,E\r\n ,F,G\r\nH,I,J") << QList<int> { 2, 6 }
        << Skipped { { 3, StudentCsv::TooFewFields }, { 4, StudentCsv::TooFewFields }, { 5, StudentCsv::EmptyId } }
        << QStringList() << QList<QList<int>>() << QList<int>();
    QTest::newRow("repeated IDs with every line, trimmed IDs matching")
        << QByteArray("h\n7,A,A\n8,B,B\n7 ,C,C\n8,D,D\n9,E,E\n7,F,F\n") << QList<int> { 2, 3, 4, 5, 6, 7 } << Skipped()
        << QStringList { "7", "8" } << QList<QList<int>> { { 2, 4, 7 }, { 3, 5 } } << QList<int>();
    QTest::newRow("unreadable bytes by line, the line still read")
        << QByteArray("h\n1,A,A\n2,B\xff,B\n3,C,C\xfe\n") << QList<int> { 2, 3, 4 } << Skipped() << QStringList()
        << QList<QList<int>>() << QList<int> { 3, 4 };
}

void tst_studentCsv::lineFacts()
{
    QFETCH(QByteArray, csv);
    QFETCH(QList<int>, studentLines);
    QFETCH(QList<StudentCsv::SkippedLine>, skipped);
    QFETCH(QStringList, repeatedIds);
    QFETCH(QList<QList<int>>, repeatedLines);
    QFETCH(QList<int>, unreadable);
    const StudentCsv read = ::read(csv);
    QCOMPARE(read.studentLines, studentLines);
    QVERIFY(read.skippedLines == skipped);
    QCOMPARE(read.repeatedIds().keys(), repeatedIds);
    QCOMPARE(read.repeatedIds().values(), repeatedLines);
    QCOMPARE(read.unreadableLines, unreadable);
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
    QCOMPARE(readFile("huge.csv").students, Students { student("1", "Ada Lovelace") });
}

void tst_studentCsv::importReplacesTheListAndDropsPasswords()
{
    TestWorkspace workspace;
    FileStudentList list("students.lst");
    list.setStudents({ Student("Ada", "1", "pw"), Student("Gone", "3", "pw") });
    workspace.writeFile("list.csv", "ID,First,Last\n1,Ada,Lovelace\n2,Bo,Diddley\n");

    list.setStudents(readFile("list.csv").students);
    QCOMPARE(list.count(), 2);
    QCOMPARE(list.student("1"), Student("Ada Lovelace", "1", QString()));
    QVERIFY(!list.contains("3"));
}

void tst_studentCsv::missingFileIsNotOpened()
{
    TestWorkspace workspace;
    const auto [opened, csv]
        = withFile("missing.csv", QIODevice::ReadOnly, [](QFile& file) { return readStudentCsv(file); });
    QVERIFY(!opened);
    QVERIFY(csv.students.isEmpty());
}

QTEST_GUILESS_MAIN(tst_studentCsv)
#include "tst_studentCsv.moc"
