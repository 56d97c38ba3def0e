#include "stores/FileStudentList.h"
#include "stores/fileAccess.h"
#include "stores/studentCsv.h"
#include "support/TestWorkspace.h"

#include <QBuffer>
#include <QStringEncoder>
#include <QTest>

using Students = QList<Student>;
using namespace Qt::StringLiterals;
Q_DECLARE_METATYPE(StudentCsv::Decoding)
Q_DECLARE_METATYPE(StudentCsv::Encoding)

class tst_studentCsv : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void encodings_data();
    void encodings();
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

static StudentCsv read(QByteArray bytes, std::optional<StudentCsv::Encoding> encoding = {})
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return readStudentCsv(buffer, encoding);
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
        << QByteArray("h\n1815 ,Ada,Lovelace\n\t7\t,Bo,Diddley\n")
        << Students { student("1815", "Ada Lovelace"), student("7", "Bo Diddley") };
    QTest::newRow("ID blank once trimmed: skipped") << QByteArray("h\n  ,Ada,Lovelace\n") << Students();
    QTest::newRow("quotes are text, commas split")
        << QByteArray("h\n\"1\",\"Smith, Jr\",Al\n") << Students { student("\"1\"", "\"Smith  Jr\"") };
    QTest::newRow("CRLF like LF") << QByteArray("h\r\nA,B,C\r\nD,E,F\r\n")
                                  << Students { student("A", "B C"), student("D", "E F") };
    QTest::newRow("lone CR does not end a line") << QByteArray("h\nA,B,C\rD\n") << Students { student("A", "B C\rD") };
    QTest::newRow("file order, repeats kept") << QByteArray(
        "h\n2,B,B\n1,A,A\n2,C,C\n") << Students { student("2", "B B"), student("1", "A A"), student("2", "C C") };
    QTest::newRow("header only") << QByteArray("id,first,last\n") << Students();
    QTest::newRow("empty file") << QByteArray() << Students();
    QTest::newRow("no header loses the first line") << QByteArray("A,B,C\nD,E,F") << Students { student("D", "E F") };
    QTest::newRow("short and empty lines skipped")
        << QByteArray("h\n\nA,B\nC\nD,E,F\n,,\n") << Students { student("D", "E F") };
    QTest::newRow("UTF-8 names") << QByteArray("h\n9,Zoë,Ørsted 🎻\n") << Students { student("9", "Zoë Ørsted 🎻") };
    QTest::newRow("invalid UTF-8 read as Windows-1252") << QByteArray(
        "h\n1,\xff\xfe\xc3,\xe2\x82\n") << Students { student("1", u"\u00ff\u00fe\u00c3 \u00e2\u201a"_s) };
    QTest::newRow("NUL bytes") << QByteArray("h\nA,B\0b,C\n", 11)
                               << Students { student("A", QString("B") + QChar(0) + "b C") };
}

void tst_studentCsv::parse()
{
    QFETCH(QByteArray, csv);
    QFETCH(Students, students);
    QCOMPARE(read(csv).students, students);
}

// A chosen encoding of -1: none, the reader decides.
void tst_studentCsv::encodings_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<QString>("name");
    QTest::addColumn<StudentCsv::Encoding>("encoding");
    QTest::addColumn<StudentCsv::Decoding>("decoding");

    const QString text = "id,first,last\n1,Zoë,Müller\n";
    const QString name = "Zoë Müller";
    const QByteArray utf16le = QStringEncoder(QStringConverter::Utf16LE).encode(text);
    const QByteArray utf16be = QStringEncoder(QStringConverter::Utf16BE).encode(text);
    QTest::newRow("UTF-16LE with mark") << "\xff\xfe" + utf16le << -1 << name << StudentCsv::Utf16LE
                                        << StudentCsv::ByteOrderMark;
    QTest::newRow("UTF-16LE without mark made IDs of NULs")
        << utf16le << -1 << name << StudentCsv::Utf16LE << StudentCsv::NulPattern;
    QTest::newRow("UTF-16BE without mark made IDs of NULs")
        << utf16be << -1 << name << StudentCsv::Utf16BE << StudentCsv::NulPattern;
    QTest::newRow("UTF-8 with mark") << "\xef\xbb\xbf" + text.toUtf8() << -1 << name << StudentCsv::Utf8
                                     << StudentCsv::ByteOrderMark;
    QTest::newRow("chosen encoding wins over the mark")
        << "\xef\xbb\xbf" + text.toUtf8() << int(StudentCsv::Windows1252) << "Zo\u00c3\u00ab M\u00c3\u00bcller"
        << StudentCsv::Windows1252 << StudentCsv::Chosen;
    QTest::newRow("spreadsheet's UTF-8 without mark read as UTF-8")
        << QByteArray("h\n1,Zoë,Ørsted 🎻\n") << -1 << "Zoë Ørsted 🎻" << StudentCsv::Utf8 << StudentCsv::ValidUtf8;
    QTest::newRow("Windows spreadsheet's file became U+FFFD")
        << QByteArray("h\n1,Zo\xeb,\xd8rsted\n") << -1 << "Zoë Ørsted" << StudentCsv::Windows1252
        << StudentCsv::NotUtf8;
    QTest::newRow("Windows-1252 beyond Latin-1: euro, S caron, curly apostrophe")
        << QByteArray("h\n1,\x80 \x8a,O\x92Neill\n") << -1 << "€ Š O’Neill" << StudentCsv::Windows1252
        << StudentCsv::NotUtf8;
    QTest::newRow("ISO-8859-15 chosen: euro and S caron where Latin-1 has other signs")
        << QByteArray("h\n1,\xa4,\xa6\xe9\n") << int(StudentCsv::Iso885915) << "€ Šé" << StudentCsv::Iso885915
        << StudentCsv::Chosen;
    QTest::newRow("one bad byte at the very end sends the whole file to Windows-1252")
        << QByteArray("h\n1,Zo\xc3\xab,X\xc3") << -1 << "Zo\u00c3\u00ab X\u00c3" << StudentCsv::Windows1252
        << StudentCsv::NotUtf8;
    // Five bytes before the name put the end of the first 64 KiB inside an "é".
    QString longName(70'000, u'é');
    QTest::newRow("character cut by a block boundary is still UTF-8") << QByteArray("id\n1,") + longName.toUtf8()
            + ",a\n" << -1 << longName + " a" << StudentCsv::Utf8 << StudentCsv::ValidUtf8;
}

void tst_studentCsv::encodings()
{
    QFETCH(QByteArray, csv);
    QFETCH(int, chosen);
    QFETCH(QString, name);
    QFETCH(StudentCsv::Encoding, encoding);
    QFETCH(StudentCsv::Decoding, decoding);
    const StudentCsv read = ::read(csv, chosen < 0 ? std::nullopt : std::optional(StudentCsv::Encoding(chosen)));
    QCOMPARE(read.encoding, encoding);
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
        << QByteArray("h\n1,A,A\n2,B\x81,B\n3,C,C\x8d\n") << QList<int> { 2, 3, 4 } << Skipped() << QStringList()
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
