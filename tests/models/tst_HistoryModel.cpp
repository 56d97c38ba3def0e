#include "models/HistoryModel.h"
#include "stores/DatabaseHistory.h"
#include "stores/SystemClock.h"
#include "support/FakeClock.h"
#include "support/FakeHistory.h"
#include "support/ItemViews.h"
#include "support/StoreBackend.h"
#include "support/TestWorkspace.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

#include <memory>

class tst_HistoryModel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void columnsFromFlags_data();
    void columnsFromFlags();
    void displayValues();
    void sortKeys_data();
    void sortKeys();
    void timeSortsByInstantAcrossTheClockChange();
    void invertedRangeIsEmpty();
    void eachModelReloadsWithItsOwnFilter();
    void readsOnlyWhenAViewAsks();
    void takesInSignOutsWithoutReading_data();
    void takesInSignOutsWithoutReading();
    void takesInSignOutsAtABlocksEdge_data();
    void takesInSignOutsAtABlocksEdge();

private:
    SystemClock clock;
    std::unique_ptr<TestWorkspace> workspace;
    std::unique_ptr<DatabaseHistory> history;
};

void tst_HistoryModel::init()
{
    workspace = std::make_unique<TestWorkspace>();
    history = std::make_unique<DatabaseHistory>(clock);
}

void tst_HistoryModel::cleanup()
{
    history.reset();
    workspace.reset();
}

void tst_HistoryModel::columnsFromFlags_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<QStringList>("headers");
    QTest::newRow("13: history page") << 13 << QStringList { "Date", "Student", "Item" };
    QTest::newRow("14: sign-out log") << 14 << QStringList { "Time", "Student", "Item" };
    QTest::newRow("3: date and time together") << 3 << QStringList { "Date/Time" };
    QTest::newRow("0: no columns") << 0 << QStringList();
    QTest::newRow("unknown bits ignored") << (8 | 16 | 64) << QStringList { "Item" };
}

void tst_HistoryModel::columnsFromFlags()
{
    QFETCH(int, flags);
    QFETCH(QStringList, headers);
    history->add(Student("Ada", "1", "pw"), Item("Oboe", 1));
    HistoryModel model(history.get(), flags, clock.today());
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);

    QCOMPARE(model.columnCount(), headers.size());
    QCOMPARE(model.rowCount(), 1);
    for (int section = 0; section < headers.size(); ++section) {
        QCOMPARE(model.headerData(section, Qt::Horizontal).toString(), headers.at(section));
        QCOMPARE(model.headerData(section, Qt::Vertical).toString(), headers.at(section));
        QVERIFY(!model.headerData(section, Qt::Horizontal, Qt::ToolTipRole).isValid());
    }
    // A flat table: no cell has rows under it (without columns there is no cell).
    if (!headers.isEmpty()) {
        QCOMPARE(model.rowCount(model.index(0, 0)), 0);
        QVERIFY(!model.index(0, 0).parent().isValid());
    }
}

void tst_HistoryModel::displayValues()
{
    const QDateTime moment(QDate::currentDate(), QTime(13, 5, 9, 250));
    StoreBackend().record({ Entry(moment, Student("Ada", "1", "pw"), Item("Oboe", 12)) });
    HistoryModel log(history.get(), 14, clock.today());
    HistoryModel page(history.get(), 13, clock.today());
    HistoryModel both(history.get(), 3, clock.today());

    QCOMPARE(log.data(log.index(0, 0)), QVariant(moment.time()));
    QCOMPARE(page.data(page.index(0, 0)), QVariant(moment.date()));
    QCOMPARE(both.data(both.index(0, 0)), QVariant(moment));
    QCOMPARE(log.data(log.index(0, 1)).toString(), QString("Ada (1)"));
    QCOMPARE(log.data(log.index(0, 2)).toString(), QString("Oboe #12"));
    QVERIFY(!log.data(log.index(0, 1), Qt::EditRole).isValid());
    // Read-only; a table's cells also say that they never have children.
    QCOMPARE(log.flags(log.index(0, 1)) & ~Qt::ItemNeverHasChildren, Qt::ItemIsEnabled | Qt::ItemIsSelectable);
}

void tst_HistoryModel::sortKeys_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("column");
    QTest::addColumn<Qt::SortOrder>("order");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("time: day first") << 14 << 0 << Qt::AscendingOrder
                                     << QStringList { "Violin #10", "Viola #1", "violin #1", "Violin #2" };
    QTest::newRow("time descending") << 14 << 0 << Qt::DescendingOrder
                                     << QStringList { "Violin #2", "violin #1", "Viola #1", "Violin #10" };
    QTest::newRow("date also by time") << 13 << 0 << Qt::AscendingOrder
                                       << QStringList { "Violin #10", "Viola #1", "violin #1", "Violin #2" };
    // Names as the tests' language (American English) sorts them, lower case first.
    QTest::newRow("items: numbers as numbers, names as the language sorts them")
        << 14 << 2 << Qt::AscendingOrder << QStringList { "Viola #1", "violin #1", "Violin #2", "Violin #10" };
    QTest::newRow("items descending") << 14 << 2 << Qt::DescendingOrder
                                      << QStringList { "Violin #10", "Violin #2", "violin #1", "Viola #1" };
    QTest::newRow("student name alone") << 14 << 1 << Qt::AscendingOrder
                                        << QStringList { "violin #1", "Violin #2", "Violin #10", "Viola #1" };
}

void tst_HistoryModel::sortKeys()
{
    QFETCH(int, flags);
    QFETCH(int, column);
    QFETCH(Qt::SortOrder, order);
    QFETCH(QStringList, items);

    const QDate today = QDate::currentDate();
    StoreBackend().record({ Entry(QDateTime(today, QTime(23, 0)), Student("Bea", "9", "x"), Item("Violin", 2)) });
    StoreBackend().record(
        { Entry(QDateTime(today.addDays(-1), QTime(1, 0)), Student("Cy", "1", "x"), Item("Viola", 1)) });
    StoreBackend().record(
        { Entry(QDateTime(today.addDays(-2), QTime(22, 0)), Student("Bo", "2", "x"), Item("Violin", 10)) });
    StoreBackend().record({ Entry(QDateTime(today, QTime(9, 0)), Student("al", "0", "x"), Item("violin", 1)) });

    HistoryModel model(history.get(), flags, clock.today());
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setFilter(today.addDays(-2), today, {}, {});
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    model.sort(column, order);
    QCOMPARE(reset.count(), 1);
    QCOMPARE(columnTexts(&model, model.columnCount() - 1), items);
}

// Under TZ=Europe/Berlin 2026-10-25 has the hour from 02:00 to 03:00 twice: a
// sign-out at 02:15 in winter time comes after one at 02:30 in summer time.
void tst_HistoryModel::timeSortsByInstantAcrossTheClockChange()
{
    const QDate day(2026, 10, 25);
    const auto utc = [day](int hour, int minute) { return QDateTime(day, QTime(hour, minute), Qt::UTC).toLocalTime(); };
    StoreBackend().record({ Entry(utc(1, 15), Student("Bo", "2", "x"), Item("second, 02:15 winter time", 1)) });
    StoreBackend().record({ Entry(utc(0, 30), Student("Al", "1", "x"), Item("first, 02:30 summer time", 1)) });
    StoreBackend().record({ Entry(utc(1, 45), Student("Cy", "3", "x"), Item("third, 02:45 winter time", 1)) });

    HistoryModel model(history.get(), 14, clock.today());
    model.setFilter(day, day, {}, {});
    model.sort(0, Qt::AscendingOrder);
    QCOMPARE(columnTexts(&model, 0), QStringList({ "02:30:00.000", "02:15:00.000", "02:45:00.000" }));
    QCOMPARE(columnTexts(&model, 2),
        QStringList({ "first, 02:30 summer time #1", "second, 02:15 winter time #1", "third, 02:45 winter time #1" }));
    model.sort(0, Qt::DescendingOrder);
    QCOMPARE(columnTexts(&model, 2),
        QStringList({ "third, 02:45 winter time #1", "second, 02:15 winter time #1", "first, 02:30 summer time #1" }));
}

void tst_HistoryModel::invertedRangeIsEmpty()
{
    history->add(Student("Ada", "1", "pw"), Item("Oboe", 1));
    HistoryModel model(history.get(), 13, clock.today());
    const QDate today = QDate::currentDate();
    model.setFilter(today, today.addDays(-1), {}, {});
    QCOMPARE(model.rowCount(), 0);
}

void tst_HistoryModel::eachModelReloadsWithItsOwnFilter()
{
    const QDate today = QDate::currentDate();
    StoreBackend().record(
        { Entry(QDateTime(today.addDays(-3), QTime(12, 0)), Student("Ada", "1", "x"), Item("Harp", 1)) });
    HistoryModel log(history.get(), 14, clock.today());
    HistoryModel page(history.get(), 13, clock.today());
    page.setFilter(today.addDays(-7), today, { "Ada" }, {});
    page.sort(0, Qt::DescendingOrder);
    QCOMPARE(log.rowCount(), 0);
    QCOMPARE(page.rowCount(), 1);

    QSignalSpy logReset(&log, &QAbstractItemModel::modelReset);
    QSignalSpy logInserted(&log, &QAbstractItemModel::rowsInserted);
    QSignalSpy pageReset(&page, &QAbstractItemModel::modelReset);
    QSignalSpy pageInserted(&page, &QAbstractItemModel::rowsInserted);
    history->add(Student("Ada", "1", "x"), Item("Harp", 2));
    // A sign-out of the same millisecond as the newest row is read again, not taken in.
    QTest::qSleep(2);
    history->add(Student("Bo", "2", "x"), Item("Harp", 3));
    // Each takes in the sign-outs it shows as its newest rows: the log both,
    // the page Ada's alone.
    QCOMPARE(logInserted.count(), 2);
    QCOMPARE(pageInserted.count(), 1);
    QCOMPARE(logReset.count() + pageReset.count(), 0);
    QCOMPARE(columnTexts(&log, 2), QStringList({ "Harp #2", "Harp #3" }));
    QCOMPARE(columnTexts(&page, 2), QStringList({ "Harp #2", "Harp #1" }));

    history->clear();
    QCOMPARE(log.rowCount(), 0);
    QCOMPARE(page.rowCount(), 0);
}

// A page nobody looks at costs a sign-out nothing, whatever range it was left on.
void tst_HistoryModel::readsOnlyWhenAViewAsks()
{
    FakeClock fakeClock;
    FakeHistory fake(fakeClock);
    HistoryModel model(&fake, 13, fakeClock.today());
    model.setFilter(fakeClock.today().addYears(-5), fakeClock.today(), {}, {});
    fake.add(Student("Ada", "1", "pw"), Item("Harp", 1));
    QVERIFY(fake.queries.isEmpty());

    QCOMPARE(columnTexts(&model, 2), QStringList { "Harp #1" });
    QCOMPARE(fake.queries.size(), 1);
}

void tst_HistoryModel::takesInSignOutsWithoutReading_data()
{
    QTest::addColumn<int>("sortColumn");
    QTest::addColumn<Qt::SortOrder>("order");
    QTest::addColumn<QStringList>("studentWords");
    QTest::addColumn<QString>("student");
    QTest::addColumn<int>("daysAgo");
    QTest::addColumn<int>("hour");
    QTest::addColumn<QStringList>("items"); // after the sign-out
    QTest::addColumn<bool>("readAgain");
    // Read before: Harp at 9:00 and Viola at 11:00; Oboe comes at the hour.
    const QStringList read { "Harp #1", "Viola #1" };
    const QStringList last { "Harp #1", "Viola #1", "Oboe #1" };
    const QStringList between { "Harp #1", "Oboe #1", "Viola #1" };
    const QStringList first { "Oboe #1", "Harp #1", "Viola #1" };
    const auto reversed = [](QStringList items) {
        std::reverse(items.begin(), items.end());
        return items;
    };
    QTest::newRow("newest appended unread")
        << 0 << Qt::AscendingOrder << QStringList() << "Ada" << 0 << 12 << last << false;
    QTest::newRow("newest on top unread")
        << 0 << Qt::DescendingOrder << QStringList() << "Ada" << 0 << 12 << reversed(last) << false;
    QTest::newRow("another day changes nothing")
        << 0 << Qt::AscendingOrder << QStringList() << "Ada" << 1 << 12 << read << false;
    QTest::newRow("a word it lacks changes nothing")
        << 0 << Qt::AscendingOrder << QStringList { "ad" } << "Bo" << 0 << 12 << read << false;
    QTest::newRow("word folded as the search folds") << 0 << Qt::AscendingOrder << QStringList { "ZOE", "%a" }
                                                     << "Zoë Ada" << 0 << 12 << QStringList { "Oboe #1" } << false;
    // Another kiosk's sign-out, taken in after a newer one.
    QTest::newRow("between rows read: placed unread")
        << 0 << Qt::AscendingOrder << QStringList() << "Ada" << 0 << 10 << between << false;
    QTest::newRow("between rows read, newest on top: placed unread")
        << 0 << Qt::DescendingOrder << QStringList() << "Ada" << 0 << 10 << reversed(between) << false;
    QTest::newRow("before every row read: placed unread")
        << 0 << Qt::AscendingOrder << QStringList() << "Ada" << 0 << 8 << first << false;
    QTest::newRow("the moment of a row read: read again")
        << 0 << Qt::AscendingOrder << QStringList() << "Ada" << 0 << 11 << last << true;
    QTest::newRow("by item: read again") << 2 << Qt::AscendingOrder << QStringList() << "Ada" << 0 << 12 << between
                                         << true;
}

// A sign-out here or at another kiosk costs the log nothing to read, however full the day.
void tst_HistoryModel::takesInSignOutsWithoutReading()
{
    QFETCH(int, sortColumn);
    QFETCH(Qt::SortOrder, order);
    QFETCH(QStringList, studentWords);
    QFETCH(QString, student);
    QFETCH(int, daysAgo);
    QFETCH(int, hour);
    QFETCH(QStringList, items);
    QFETCH(bool, readAgain);
    FakeClock fakeClock;
    FakeHistory fake(fakeClock);
    const QDate today = fakeClock.today();
    fake.stored = { Entry(QDateTime(today, QTime(9, 0)), Student("Ada", "1", {}), Item("Harp", 1)),
        Entry(QDateTime(today, QTime(11, 0)), Student("Ada", "1", {}), Item("Viola", 1)) };
    HistoryModel model(&fake, 14, today);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setFilter(today, today, studentWords, {});
    model.sort(sortColumn, order);
    columnTexts(&model, 2);
    fake.reads = 0;
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);

    fake.record(Entry(QDateTime(today.addDays(-daysAgo), QTime(hour, 0)), Student(student, "2", {}), Item("Oboe", 1)));
    QCOMPARE(reset.count(), int(readAgain));
    QCOMPARE(columnTexts(&model, 2), items);
    QCOMPARE(fake.reads > 0, readAgain);
}

void tst_HistoryModel::takesInSignOutsAtABlocksEdge_data()
{
    QTest::addColumn<int>("stored"); // one a minute from 8:00, Harp #0 on
    QTest::addColumn<int>("second"); // the moment of Oboe #1, in seconds after 8:00
    QTest::addColumn<bool>("readAgain");
    QTest::newRow("a full block pushes its newest row on") << 128 << 30 * 60 + 30 << false;
    QTest::newRow("newest after a full block begins the next") << 128 << 200 * 60 << false;
    QTest::newRow("before the newest block: read again") << 200 << 30 * 60 + 30 << true;
}

// Rows are read in blocks: a sign-out placed among them keeps every row in its place.
void tst_HistoryModel::takesInSignOutsAtABlocksEdge()
{
    QFETCH(int, stored);
    QFETCH(int, second);
    QFETCH(bool, readAgain);
    FakeClock fakeClock;
    FakeHistory fake(fakeClock);
    const QDateTime eight(fakeClock.today(), QTime(8, 0));
    QList<std::pair<qint64, QString>> expected;
    for (int i = 0; i < stored; ++i) {
        fake.stored.append(Entry(eight.addSecs(60 * i), Student("Ada", "1", {}), Item("Harp", i)));
        expected.append({ 60 * i, QString("Harp #%1").arg(i) });
    }
    HistoryModel model(&fake, 14, fakeClock.today());
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    columnTexts(&model, 2);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);

    fake.record(Entry(eight.addSecs(second), Student("Bo", "2", {}), Item("Oboe", 1)));
    expected.append({ second, "Oboe #1" });
    std::sort(expected.begin(), expected.end());
    QStringList items;
    for (const auto& [moment, item] : expected)
        items.append(item);
    QCOMPARE(reset.count(), int(readAgain));
    QCOMPARE(columnTexts(&model, 2), items);
}

QTEST_GUILESS_MAIN(tst_HistoryModel)
#include "tst_HistoryModel.moc"
