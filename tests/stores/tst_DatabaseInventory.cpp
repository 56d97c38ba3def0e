#include "stores/DatabaseInventory.h"
#include "support/StoreBackend.h"
#include "support/TestWorkspace.h"
#include "support/sqliteFile.h"

#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

#include <memory>

using Items = QList<Item>;

class tst_DatabaseInventory : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstRunIsEmpty();
    void add_data();
    void add();
    void remove_data();
    void remove();
    void removedAndReaddedComesLast();
    void emptyListsEmitAndRunNothing();
    void removesThousandsAtOnce();
    void addsThousandsOnceEach();
    void storedDuplicatesAreAllRemoved();
    void failedChangesAreReportedAndStillEmit();
    void itemsSurviveARestart();

private:
    std::unique_ptr<TestWorkspace> workspace;
    std::unique_ptr<StoreBackend> backend;
    std::unique_ptr<AbstractInventory> inventory;
};

static Items run(const QString& name, int from, int to)
{
    Items items;
    for (int number = from; number <= to; ++number)
        items.append(Item(name, number));
    return items;
}

void tst_DatabaseInventory::init()
{
    workspace = std::make_unique<TestWorkspace>();
    backend = std::make_unique<StoreBackend>();
    inventory = backend->makeInventory();
}

void tst_DatabaseInventory::cleanup()
{
    inventory.reset();
    backend.reset();
    workspace.reset();
}

void tst_DatabaseInventory::firstRunIsEmpty()
{
    QVERIFY(StoreBackend::isPostgres() || QFile::exists(workspace->filePath("inventory")));
    QVERIFY(inventory->items().isEmpty());
}

void tst_DatabaseInventory::add_data()
{
    QTest::addColumn<Items>("held");
    QTest::addColumn<Items>("added");
    QTest::addColumn<Items>("expected");
    QTest::newRow("skips held numbers") << Items { Item("Flute", 2) } << run("Flute", 1, 3)
                                        << Items { Item("Flute", 2), Item("Flute", 1), Item("Flute", 3) };
    QTest::newRow("repeat within the list")
        << Items() << Items { Item("Oboe", 1), Item("Oboe", 1) } << Items { Item("Oboe", 1) };
    QTest::newRow("all held") << run("Harp", 1, 2) << run("Harp", 1, 2) << run("Harp", 1, 2);
    QTest::newRow("names differ by case")
        << Items { Item("Drum", 1) } << Items { Item("drum", 1) } << Items { Item("Drum", 1), Item("drum", 1) };
    QTest::newRow("empty name") << Items() << Items { Item(QString(), 1), Item("", 1) } << Items { Item("", 1) };
    QTest::newRow("quotes and semicolons are literal")
        << Items() << Items { Item("Tuba'); DROP TABLE inventory; --", 1) }
        << Items { Item("Tuba'); DROP TABLE inventory; --", 1) };
}

void tst_DatabaseInventory::add()
{
    QFETCH(Items, held);
    QFETCH(Items, added);
    QFETCH(Items, expected);
    QVERIFY(inventory->addItems(held));

    QSignalSpy modified(inventory.get(), &AbstractInventory::modified);
    QVERIFY(inventory->addItems(added));
    QCOMPARE(modified.count(), 1);
    QCOMPARE(inventory->items(), expected);
}

void tst_DatabaseInventory::remove_data()
{
    QTest::addColumn<Items>("removed");
    QTest::addColumn<Items>("expected");
    QTest::newRow("held and not held") << Items { Item("Flute", 2), Item("Flute", 9) }
                                       << Items { Item("Flute", 1), Item("flute", 2) };
    QTest::newRow("case matters") << Items { Item("flute", 2) } << Items { Item("Flute", 1), Item("Flute", 2) };
    QTest::newRow("pairs stay paired") << Items { Item("Flute", 3), Item("flute", 1) }
                                       << Items { Item("Flute", 1), Item("Flute", 2), Item("flute", 2) };
}

void tst_DatabaseInventory::remove()
{
    QFETCH(Items, removed);
    QFETCH(Items, expected);
    inventory->addItems({ Item("Flute", 1), Item("Flute", 2), Item("flute", 2) });

    QSignalSpy modified(inventory.get(), &AbstractInventory::modified);
    QVERIFY(inventory->removeItems(removed));
    QCOMPARE(modified.count(), 1);
    QCOMPARE(inventory->items(), expected);
}

void tst_DatabaseInventory::removedAndReaddedComesLast()
{
    inventory->addItems(run("Cello", 1, 3));
    inventory->removeItems({ Item("Cello", 1) });
    inventory->addItems({ Item("Cello", 1) });
    QCOMPARE(inventory->items(), (Items { Item("Cello", 2), Item("Cello", 3), Item("Cello", 1) }));
}

void tst_DatabaseInventory::emptyListsEmitAndRunNothing()
{
    inventory->addItems(run("Cello", 1, 2));
    QSignalSpy modified(inventory.get(), &AbstractInventory::modified);
    QVERIFY(inventory->addItems({}));
    QVERIFY(inventory->removeItems({}));
    QCOMPARE(modified.count(), 2);
    QCOMPARE(inventory->items(), run("Cello", 1, 2));
}

void tst_DatabaseInventory::removesThousandsAtOnce()
{
    Items many;
    for (int name = 0; name < 50; ++name)
        many += run(QString("Instrument %1").arg(name), 1, 99);
    QVERIFY(inventory->addItems(many));
    QCOMPARE(inventory->items().size(), many.size());

    QVERIFY(inventory->removeItems(many.mid(0, 4990)));
    QCOMPARE(inventory->items(), many.mid(4990));
}

void tst_DatabaseInventory::addsThousandsOnceEach()
{
    const Items many = run("Bell", 1, 1200);
    QVERIFY(inventory->addItems(many + many));
    QCOMPARE(inventory->items(), many);
}

void tst_DatabaseInventory::storedDuplicatesAreAllRemoved()
{
    if (StoreBackend::isPostgres())
        QSKIP("The shared database holds an item once");
    QSqlQuery query(QSqlDatabase::database("inventory"));
    QVERIFY(query.exec("INSERT INTO inventory VALUES ('Gong', 1), ('Gong', 1), ('Gong', NULL)"));
    inventory->removeItems({ Item("Gong", 1) });
    QCOMPARE(inventory->items(), Items { Item("Gong", 0) });
}

void tst_DatabaseInventory::failedChangesAreReportedAndStillEmit()
{
    if (StoreBackend::isPostgres())
        QSKIP("About an inventory file made by other tools");
    inventory.reset();
    QFile::remove(workspace->filePath("inventory"));
    QVERIFY(runSql("inventory", { "CREATE TABLE inventory (label TEXT)" }));
    inventory = std::make_unique<DatabaseInventory>();

    QSignalSpy modified(inventory.get(), &AbstractInventory::modified);
    QVERIFY(!inventory->addItems(run("Harp", 1, 3)));
    QVERIFY(!inventory->removeItems(run("Harp", 1, 300)));
    QCOMPARE(modified.count(), 2);
}

void tst_DatabaseInventory::itemsSurviveARestart()
{
    inventory->addItems(run("Harp", 1, 2));
    inventory.reset();
    inventory = backend->makeInventory();
    QCOMPARE(inventory->items(), run("Harp", 1, 2));
}

QTEST_GUILESS_MAIN(tst_DatabaseInventory)
#include "tst_DatabaseInventory.moc"
