#include "stores/SqliteTable.h"
#include "support/TestWorkspace.h"
#include "support/sqliteFile.h"

#include <QSqlQuery>
#include <QTest>

#include <optional>

class tst_SqliteTable : public QObject
{
    Q_OBJECT

private slots:
    void upgrades_data();
    void upgrades();
    void newerReleaseIsLeftUntouched();
    void failedRewriteIsToldAndTriedAgain();
};

// Three schema steps that record having run; step 2 fails halfway while \a failing is set.
static QList<SchemaStep> recordingSteps(QStringList& ran, const bool& failing)
{
    QList<SchemaStep> steps;
    for (int step = 1; step <= 3; ++step) {
        steps.append([&ran, &failing, step](QSqlDatabase& database, const ProgressNote&) {
            const bool created = QSqlQuery(database).exec(QString("CREATE TABLE step%1 (x)").arg(step));
            if (step == 2 && failing)
                return false;
            ran.append(QString::number(step));
            return created;
        });
    }
    return steps;
}

void tst_SqliteTable::upgrades_data()
{
    QTest::addColumn<int>("startVersion");
    QTest::addColumn<bool>("failing");
    QTest::addColumn<QStringList>("ran");
    QTest::addColumn<int>("version");

    QTest::newRow("new file gets every step") << -1 << false << QStringList { "1", "2", "3" } << 3;
    QTest::newRow("file of the first release") << 0 << false << QStringList { "1", "2", "3" } << 3;
    QTest::newRow("half upgraded: only the rest") << 1 << false << QStringList { "2", "3" } << 3;
    QTest::newRow("up to date: nothing runs") << 3 << false << QStringList() << 3;
    QTest::newRow("failed step stops there, rolled back") << 0 << true << QStringList { "1" } << 1;
}

void tst_SqliteTable::upgrades()
{
    QFETCH(int, startVersion);
    QFETCH(bool, failing);
    QFETCH(QStringList, ran);
    QFETCH(int, version);
    TestWorkspace workspace;
    if (startVersion >= 0)
        QVERIFY(runSql("things",
            { "CREATE TABLE things (name TEXT)", "INSERT INTO things VALUES ('kept')",
                QString("PRAGMA user_version = %1").arg(startVersion) }));

    QStringList stepsRan;
    {
        SqliteTable table("things", "name TEXT", recordingSteps(stepsRan, failing));
        QCOMPARE(table.problem().isEmpty(), !failing); // never half up to date unheard
    }
    QCOMPARE(stepsRan, ran);
    QCOMPARE(querySql("things", "PRAGMA user_version").toInt(), version);
    QCOMPARE(querySql("things", "SELECT count(*) FROM sqlite_master WHERE name = 'step2'").toInt(),
        ran.contains("2") ? 1 : 0);
    QCOMPARE(querySql("things", "SELECT count(*) FROM things").toInt(), startVersion >= 0 ? 1 : 0);
}

void tst_SqliteTable::newerReleaseIsLeftUntouched()
{
    TestWorkspace workspace;
    QVERIFY(runSql("things", { "CREATE TABLE things (name TEXT)", "PRAGMA user_version = 4" }));
    const QByteArray before = workspace.readFile("things");

    QStringList stepsRan;
    {
        SqliteTable table("things", "name TEXT", recordingSteps(stepsRan, false));
        QVERIFY(table.problem().contains("newer version"));
        QVERIFY(!QSqlQuery(table.database()).exec("INSERT INTO things VALUES ('spoilt')"));
    }
    QVERIFY(stepsRan.isEmpty());
    QCOMPARE(workspace.readFile("things"), before);
}

// A disk too full for the rewrite: the file is sound, so the kiosk starts.
void tst_SqliteTable::failedRewriteIsToldAndTriedAgain()
{
    TestWorkspace workspace;
    std::optional<QSqlQuery> reading; // a statement in progress makes VACUUM fail
    QStringList ran;
    const QList<SchemaStep> steps {
        { [&](QSqlDatabase& database, const ProgressNote&) {
             ran.append("1");
             reading.emplace(database);
             return reading->exec("SELECT 1 UNION SELECT 2") && reading->next()
                 && QSqlQuery(database).exec("CREATE TABLE IF NOT EXISTS step1 (x)");
         },
            SchemaStep::RewriteFile },
        [&](QSqlDatabase& database, const ProgressNote&) {
            ran.append("2");
            return QSqlQuery(database).exec("CREATE TABLE step2 (x)");
        },
    };
    {
        SqliteTable table("things", "name TEXT", steps);
        reading.reset();
        QVERIFY(table.problem().isEmpty());
        QVERIFY(table.notice().contains("\"things\" could not be rewritten"));
    }
    QCOMPARE(ran, QStringList { "1" }); // what needs the rewrite waits for it
    QCOMPARE(querySql("things", "PRAGMA user_version").toInt(), 0);

    ran.clear();
    const QList<SchemaStep> freeDisk { { [&](QSqlDatabase& database, const ProgressNote&) {
                                            ran.append("1");
                                            return QSqlQuery(database).exec("CREATE TABLE IF NOT EXISTS step1 (x)");
                                        },
                                           SchemaStep::RewriteFile },
        steps.at(1) };
    {
        SqliteTable table("things", "name TEXT", freeDisk);
        QVERIFY(table.problem().isEmpty());
        QVERIFY(table.notice().isEmpty());
    }
    QCOMPARE(ran, QStringList({ "1", "2" }));
    QCOMPARE(querySql("things", "PRAGMA user_version").toInt(), 2);
}

QTEST_GUILESS_MAIN(tst_SqliteTable)
#include "tst_SqliteTable.moc"
