#include "models/InventoryModel.h"
#include "models/ItemAvailabilityModel.h"
#include "stores/DatabaseInventory.h"
#include "support/FakeClock.h"
#include "support/FakeHistory.h"
#include "support/ItemViews.h"
#include "support/TestWorkspace.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

Q_DECLARE_METATYPE(Item)

class tst_InventoryModel : public QObject
{
    Q_OBJECT

private slots:
    void order_data();
    void order();
    void headerAndItems();
    void followsTheStore();
    void marksCopiesSignedOutToday();
    void marksSignOutsWithoutReading_data();
    void marksSignOutsWithoutReading();
    void collation_data();
    void collation();
};

void tst_InventoryModel::order_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<Qt::SortOrder>("order");
    QTest::addColumn<QStringList>("items");
    const QStringList ascending { "drum #1", "Drum #1", "Drum #2", "Drum #10", "Zither #1" };
    QStringList descending = ascending;
    std::reverse(descending.begin(), descending.end());
    QTest::newRow("ascending") << 0 << Qt::AscendingOrder << ascending;
    QTest::newRow("descending") << 0 << Qt::DescendingOrder << descending;
    QTest::newRow("any column sorts alike") << 5 << Qt::AscendingOrder << ascending;
}

void tst_InventoryModel::order()
{
    QFETCH(int, column);
    QFETCH(Qt::SortOrder, order);
    QFETCH(QStringList, items);
    TestWorkspace workspace;
    DatabaseInventory inventory;
    inventory.addItems({ Item("drum", 1), Item("Drum", 10), Item("Zither", 1), Item("Drum", 2), Item("Drum", 1) });
    InventoryModel model(&inventory);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.sort(column, order);
    QCOMPARE(columnTexts(&model), items);
}

// Names sort as the chosen language sorts them, not by code point.
void tst_InventoryModel::collation_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("items");

    QTest::newRow("German Ä after Z, by code point")
        << "de" << QStringList { "Akkordeon #1", "Äolsharfe #1", "Zither #1" };
    QTest::newRow("Swedish Ä among the A, as German sorts")
        << "sv" << QStringList { "Akkordeon #1", "Zither #1", "Äolsharfe #1" };
    QTest::newRow("Polish Ł after M, by code point") << "pl" << QStringList { "Lutnia #1", "Łyżki #1", "Marimba #1" };
}

void tst_InventoryModel::collation()
{
    QFETCH(QString, language);
    QFETCH(QStringList, items);
    TestWorkspace workspace;
    DatabaseInventory inventory;
    for (const QString& text : items)
        inventory.addItems({ Item(text.chopped(3), 1) });
    const QLocale before;
    QLocale::setDefault(QLocale(language));
    InventoryModel model(&inventory);
    QLocale::setDefault(before);
    QCOMPARE(columnTexts(&model), items);
}

void tst_InventoryModel::headerAndItems()
{
    TestWorkspace workspace;
    DatabaseInventory inventory;
    inventory.addItems({ Item("Harp", 3), Item("Bell", 7) });
    InventoryModel model(&inventory);
    QCOMPARE(model.columnCount(), 1);
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QString("Item"));
    QCOMPARE(model.headerData(1, Qt::Vertical).toString(), QString("Item"));
    QVERIFY(!model.headerData(0, Qt::Horizontal, Qt::DecorationRole).isValid());
    QCOMPARE(model.item(model.index(0, 0)), Item("Bell", 7));
    QCOMPARE(model.item(model.index(1, 0)), Item("Harp", 3));
    QVERIFY(!model.data(model.index(0, 0), Qt::ToolTipRole).isValid());
}

void tst_InventoryModel::followsTheStore()
{
    TestWorkspace workspace;
    DatabaseInventory inventory;
    InventoryModel page(&inventory);
    InventoryModel signOut(&inventory);
    QAbstractItemModelTester tester(&page, QAbstractItemModelTester::FailureReportingMode::QtTest);
    page.sort(0, Qt::DescendingOrder);
    QCOMPARE(page.rowCount(), 0);

    inventory.addItems({ Item("Cello", 1), Item("Cello", 2) });
    QCOMPARE(columnTexts(&page), QStringList({ "Cello #2", "Cello #1" }));
    QCOMPARE(columnTexts(&signOut), QStringList({ "Cello #1", "Cello #2" }));
    inventory.removeItems({ Item("Cello", 1) });
    QCOMPARE(columnTexts(&signOut), QStringList({ "Cello #2" }));
}

void tst_InventoryModel::marksCopiesSignedOutToday()
{
    TestWorkspace workspace;
    FakeClock clock;
    FakeHistory history(clock);
    const Student student("Ada Lovelace", "1815", "pw");
    history.stored = { Entry(clock.now().addDays(-1), student, Item("Harp", 1)) };
    DatabaseInventory inventory;
    inventory.addItems({ Item("Cello", 1), Item("Cello", 2), Item("Harp", 1) });
    InventoryModel items(&inventory);
    ItemAvailabilityModel model(&items, &history, clock);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    const auto marked = [&model] {
        QStringList texts;
        for (int row = 0; row < model.rowCount(); ++row)
            if (model.index(row, 0).data(Qt::ToolTipRole).isValid())
                texts.append(model.index(row, 0).data().toString());
        return texts;
    };
    QCOMPARE(marked(), QStringList());

    history.record(Entry(clock.now(), student, Item("Cello", 2)));
    QCOMPARE(marked(), QStringList { "Cello #2 (signed out today)" });
    QVERIFY(model.index(1, 0).data(Qt::ForegroundRole) != model.index(0, 0).data(Qt::ForegroundRole));
    QCOMPARE(columnTexts(&model), QStringList({ "Cello #1", "Cello #2 (signed out today)", "Harp #1" }));

    clock.set(QDateTime(clock.today().addDays(1), QTime(0, 0)));
    QCOMPARE(marked(), QStringList());

    // A history that could not be read marks nothing, and is read again. (A
    // sign-out alone is taken in without reading: the next midnight reads.)
    history.reading = false;
    clock.set(QDateTime(clock.today().addDays(1), QTime(0, 0)));
    history.record(Entry(clock.now(), student, Item("Harp", 1)));
    QCOMPARE(marked(), QStringList());
    history.reading = true;
    QCOMPARE(marked(), QStringList { "Harp #1 (signed out today)" });
}

void tst_InventoryModel::marksSignOutsWithoutReading_data()
{
    QTest::addColumn<int>("daysAgo");
    QTest::addColumn<Item>("item");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("rowsChanged");
    QTest::newRow("today's marks its copy alone")
        << 0 << Item("Cello", 2) << QStringList { "Cello #1", "Cello #2 (signed out today)" } << 1;
    QTest::newRow("yesterday's, heard late, marks nothing")
        << 1 << Item("Cello", 2) << QStringList { "Cello #1", "Cello #2" } << 0;
    QTest::newRow("a copy not in the list changes no row")
        << 0 << Item("Harp", 9) << QStringList { "Cello #1", "Cello #2" } << 0;
}

// A sign-out anywhere costs the marks nothing to read, however full the day.
void tst_InventoryModel::marksSignOutsWithoutReading()
{
    QFETCH(int, daysAgo);
    QFETCH(Item, item);
    QFETCH(QStringList, texts);
    QFETCH(int, rowsChanged);
    TestWorkspace workspace;
    FakeClock clock;
    FakeHistory history(clock);
    DatabaseInventory inventory;
    inventory.addItems({ Item("Cello", 1), Item("Cello", 2) });
    InventoryModel items(&inventory);
    ItemAvailabilityModel model(&items, &history, clock);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    columnTexts(&model);
    history.reads = 0;
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    history.record(Entry(clock.now().addDays(-daysAgo), Student("Ada", "1", {}), item));
    QCOMPARE(changed.count(), rowsChanged);
    for (const QList<QVariant>& rows : changed)
        QCOMPARE(rows.at(0).toModelIndex(), rows.at(1).toModelIndex());
    QCOMPARE(columnTexts(&model), texts);
    QCOMPARE(history.reads, 0);
}

// The marks take their colour from the application's palette.
QTEST_MAIN(tst_InventoryModel)
#include "tst_InventoryModel.moc"
