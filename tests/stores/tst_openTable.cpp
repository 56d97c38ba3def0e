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
        QVERIFY(isOwnerOnly("things-journal"));
        database.rollback();
    }
    QSqlDatabase::removeDatabase("things");
}

QTEST_GUILESS_MAIN(tst_openTable)
#include "tst_openTable.moc"
