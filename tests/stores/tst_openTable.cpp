#include "stores/openTable.h"
#include "support/TestWorkspace.h"
#include "support/ownerOnly.h"
#include "support/sqliteFile.h"

#include <QSqlQuery>
#include <QTest>

class tst_openTable : public QObject
{
    Q_OBJECT

private slots:
    void existingTables_data();
    void existingTables();
    void newFileAndItsJournalAreTheUsersAlone();
    void readerHoldsNoWriterUp_data();
    void readerHoldsNoWriterUp();
};

static QStringList columnsOf(const QSqlDatabase& database, const QString& table)
{
    QSqlQuery query(database);
    query.exec(QString("PRAGMA table_info(%1)").arg(table));
    QStringList columns;
    while (query.next())
        columns.append(query.value(1).toString());
    return columns;
}

void tst_openTable::existingTables_data()
{
    QTest::addColumn<QString>("existing");
    QTest::addColumn<QStringList>("columns");
    QTest::newRow("first run creates it") << QString() << QStringList { "name", "number" };
    QTest::newRow("found and kept") << "CREATE TABLE things (name TEXT, number INTEGER)"
                                    << QStringList { "name", "number" };
    QTest::newRow("other columns are not migrated") << "CREATE TABLE things (label TEXT)" << QStringList { "label" };
    QTest::newRow("name in other case is used as it is")
        << "CREATE TABLE Things (label TEXT)" << QStringList { "label" };
}

void tst_openTable::existingTables()
{
    QFETCH(QString, existing);
    QFETCH(QStringList, columns);
    TestWorkspace workspace;
    if (!existing.isEmpty())
        QVERIFY(runSql("things",
            { existing,
                "INSERT INTO " + existing.section(' ', 2, 2) + " VALUES ('kept'"
                    + (columns.size() == 2 ? ", 1)" : ")") }));

    {
        QSqlDatabase database = openTable("things", "name TEXT, number INTEGER");
        QVERIFY(database.isOpen());
        QCOMPARE(database.connectionName(), QString("things"));
        QVERIFY(QFile::exists(workspace.filePath("things")));
        QCOMPARE(columnsOf(database, "things"), columns);
        QSqlQuery rows(database);
        QVERIFY(rows.exec("SELECT count(*) FROM things"));
        QVERIFY(rows.next());
        QCOMPARE(rows.value(0).toInt(), existing.isEmpty() ? 0 : 1);
    }
    QSqlDatabase::removeDatabase("things");
}

// They hold the school's names; older ones held passwords too.
void tst_openTable::newFileAndItsJournalAreTheUsersAlone()
{
    TestWorkspace workspace;
    {
        QSqlDatabase database = openTable("things", "name TEXT");
        QVERIFY(isOwnerOnly("things"));
        QVERIFY(database.transaction());
        QVERIFY(QSqlQuery(database).exec("INSERT INTO things VALUES ('x')"));
        QVERIFY(isOwnerOnly("things-wal"));
        QVERIFY(isOwnerOnly("things-shm"));
        database.rollback();
    }
    QSqlDatabase::removeDatabase("things");
}

// A backup reads the whole file in one snapshot while the kiosk keeps signing out.
void tst_openTable::readerHoldsNoWriterUp_data()
{
    QTest::addColumn<bool>("fileExisted");
    QTest::newRow("a new file does not lock out its writer") << false;
    QTest::newRow("an older file does not lock out its writer") << true;
}

void tst_openTable::readerHoldsNoWriterUp()
{
    QFETCH(bool, fileExisted);
    TestWorkspace workspace;
    if (fileExisted)
        QVERIFY(runSql("things", { "CREATE TABLE things (name TEXT)", "INSERT INTO things VALUES ('old')" }));
    {
        QSqlDatabase writer = openTable("things", "name TEXT");
        QSqlDatabase reader = QSqlDatabase::addDatabase("QSQLITE", "reader");
        reader.setDatabaseName("things");
        reader.setConnectOptions("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=0");
        QVERIFY(reader.open());
        QVERIFY(reader.transaction());
        QSqlQuery before(reader);
        QVERIFY(before.exec("SELECT count(*) FROM things") && before.next());
        QVERIFY(QSqlQuery(writer).exec("INSERT INTO things VALUES ('new')"));
        QSqlQuery during(reader);
        QVERIFY(during.exec("SELECT count(*) FROM things") && during.next());
        QCOMPARE(during.value(0), before.value(0));
        before.finish();
        during.finish();
        QVERIFY(reader.commit());
        reader.close();
    }
    QSqlDatabase::removeDatabase("reader");
    QSqlDatabase::removeDatabase("things");
    QCOMPARE(querySql("things", "SELECT count(*) FROM things").toInt(), fileExisted ? 2 : 1);
}

QTEST_GUILESS_MAIN(tst_openTable)
#include "tst_openTable.moc"
