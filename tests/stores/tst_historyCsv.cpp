#include "stores/historyCsv.h"
#include "support/FakeClock.h"
#include "support/FakeHistory.h"
#include "support/TestWorkspace.h"
#include "support/runTool.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

using Rows = QList<QStringList>;

class tst_historyCsv : public QObject
{
    Q_OBJECT

private slots:
    void spreadsheetReadsTheRows_data();
    void spreadsheetReadsTheRows();
    void formulasStayText_data();
    void formulasStayText();
    void blocks_data();
    void blocks();
};

static const QStringList header = { "Date and Time", "Student Name", "Student ID", "Item Name", "Item Number" };
static const QDate day(2024, 10, 27);

// Python's csv module stands in for a spreadsheet: an RFC 4180 reader that is
// not ours.
static Rows readBack(const QString& fileName)
{
    const QString script = "import csv, json, sys\n"
                           "with open(sys.argv[1], newline='', encoding='utf-8-sig') as f:\n"
                           "    print(json.dumps(list(csv.reader(f))))\n";
    Rows rows;
    for (const QJsonValue& row :
        QJsonDocument::fromJson(runTool("python3", { "-c", script, fileName }).toUtf8()).array())
        rows.append(row.toVariant().toStringList());
    return rows;
}

void tst_historyCsv::spreadsheetReadsTheRows_data()
{
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<QString>("local");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("item");

    const QDateTime afternoon(day, QTime(14, 5, 9, 250));
    const QString shown = "2024-10-27T14:05:09";
    QTest::newRow("comma would split the field") << afternoon << shown << "Smith, Jr."
                                                 << "1,2"
                                                 << "Bass, Double";
    QTest::newRow("quotes would end the field") << afternoon << shown << "Bo \"Bo\" Diddley"
                                                << "\"7\""
                                                << "Guitar \"Bo\"";
    QTest::newRow("line breaks would end the row") << afternoon << shown << "Ada\nLovelace"
                                                   << "1\r\n2"
                                                   << "Cello\r";
    QTest::newRow("outside the basic plane") << afternoon << shown << "Zoë 🎻 Ørsted 𝄞"
                                             << "𝟙"
                                             << "Harp 🎶";
    // The tests run in Berlin time; the clocks went back at 03:00 that morning.
    const QDateTime utc(day, QTime(0, 59, 59), Qt::UTC);
    QTest::newRow("last second of summer time") << utc << "2024-10-27T02:59:59"
                                                << "A"
                                                << "1"
                                                << "B";
    QTest::newRow("hour repeated in winter time") << utc.addSecs(1) << "2024-10-27T02:00:00"
                                                  << "A"
                                                  << "1"
                                                  << "B";
}

void tst_historyCsv::spreadsheetReadsTheRows()
{
    QFETCH(QDateTime, moment);
    QFETCH(QString, local);
    QFETCH(QString, name);
    QFETCH(QString, id);
    QFETCH(QString, item);
    TestWorkspace workspace;
    FakeClock clock;
    FakeHistory history(clock);
    history.record(Entry(moment, Student(name, id, "hash"), Item(item, 12)));
    history.record(Entry(QDateTime(day.addDays(1), QTime(8, 0)), Student("Later", "2", QString()), Item("Tuba", 1)));
    QFile file(workspace.filePath("export.csv"));
    QVERIFY(file.open(QIODevice::WriteOnly));

    HistoryQuery query;
    query.from = day.addDays(-3);
    query.to = day;
    QCOMPARE(writeHistoryCsv(file, history, query), HistoryCsvResult::Written);
    file.close();

    QVERIFY(workspace.readFile("export.csv").startsWith("\xef\xbb\xbf"));
    const Rows expected = { header, { local, name, id, item, "12" } };
    QCOMPARE(readBack(file.fileName()), expected);
}

void tst_historyCsv::formulasStayText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("cell");

    QTest::newRow("= would run a formula") << "=HYPERLINK(\"http://x\",\"y\")"
                                           << "'=HYPERLINK(\"http://x\",\"y\")";
    QTest::newRow("+ would run a formula") << "+1+cmd|' /C calc'!A0"
                                           << "'+1+cmd|' /C calc'!A0";
    QTest::newRow("- would run a formula") << "-2+3"
                                           << "'-2+3";
    QTest::newRow("@ would run a function") << "@SUM(1)"
                                            << "'@SUM(1)";
    QTest::newRow("tab before a formula") << "\t=1"
                                          << "'\t=1";
    QTest::newRow("carriage return before a formula") << "\r=1"
                                                      << "'\r=1";
    QTest::newRow("= inside is plain text") << "Ada=Bo"
                                            << "Ada=Bo";
}

void tst_historyCsv::formulasStayText()
{
    QFETCH(QString, text);
    QFETCH(QString, cell);
    TestWorkspace workspace;
    FakeClock clock;
    FakeHistory history(clock);
    history.record(Entry(QDateTime(day, QTime(9, 0)), Student(text, text, QString()), Item(text, 3)));
    QFile file(workspace.filePath("export.csv"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    HistoryQuery query;
    query.from = query.to = day;
    QCOMPARE(writeHistoryCsv(file, history, query), HistoryCsvResult::Written);
    file.close();

    const Rows expected = { header, { "2024-10-27T09:00:00", cell, cell, cell, "3" } };
    QCOMPARE(readBack(file.fileName()), expected);
}

// Ten thousand rows make a block.
void tst_historyCsv::blocks_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<bool>("reading");
    QTest::addColumn<QString>("device");
    QTest::addColumn<int>("cancelAt");
    QTest::addColumn<HistoryCsvResult>("result");
    QTest::addColumn<QList<qint64>>("progress");

    QTest::newRow("every block written") << 25'000 << true << QString() << -1 << HistoryCsvResult::Written
                                         << QList<qint64> { 10'000, 20'000, 25'000 };
    QTest::newRow("cancel stops after the block")
        << 25'000 << true << QString() << 10'000 << HistoryCsvResult::Cancelled << QList<qint64> { 10'000 };
    QTest::newRow("unreadable history is no empty file")
        << 5 << false << QString() << -1 << HistoryCsvResult::HistoryUnreadable << QList<qint64>();
    QTest::newRow("full disk reported") << 5 << true << "/dev/full" << -1 << HistoryCsvResult::DeviceFailed
                                        << QList<qint64>();
}

void tst_historyCsv::blocks()
{
    QFETCH(int, entries);
    QFETCH(bool, reading);
    QFETCH(QString, device);
    QFETCH(int, cancelAt);
    QFETCH(HistoryCsvResult, result);
    QFETCH(QList<qint64>, progress);
    FakeClock clock;
    FakeHistory history(clock);
    // A second apart from 02:00 summer time on, through the hour the clocks go back.
    const QDateTime start(day, QTime(0, 0), Qt::UTC);
    for (int i = 0; i < entries; ++i)
        history.stored.append(Entry(start.addSecs(i), Student("Ada", "1", QString()), Item("Harp", 1)));
    history.reading = reading;
    QBuffer buffer;
    QFile file(device);
    QIODevice& output = device.isEmpty() ? static_cast<QIODevice&>(buffer) : file;
    QVERIFY(output.open(QIODevice::WriteOnly | QIODevice::Unbuffered));

    HistoryQuery query;
    query.from = query.to = day;
    QList<qint64> told;
    QCOMPARE(writeHistoryCsv(output, history, query,
                 [&](qint64 done, qint64 total) {
                     told.append(done);
                     return total == entries && done != cancelAt;
                 }),
        result);
    QCOMPARE(told, progress);
    if (result == HistoryCsvResult::Written) {
        const QList<QByteArray> lines = buffer.data().split('\n');
        QCOMPARE(lines.size(), entries + 2);
        QVERIFY(lines.at(3600).startsWith("2024-10-27T02:59:59,"));
        QVERIFY(lines.at(3601).startsWith("2024-10-27T02:00:00,"));
    }
}

QTEST_GUILESS_MAIN(tst_historyCsv)
#include "tst_historyCsv.moc"
