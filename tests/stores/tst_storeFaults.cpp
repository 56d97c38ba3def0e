#include "stores/DatabaseHistory.h"
#include "stores/DatabaseInventory.h"
#include "stores/FileStudentList.h"
#include "stores/SystemClock.h"
#include "stores/fileAccess.h"
#include "stores/studentCsv.h"
#include "support/TestWorkspace.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTest>

#include <csignal>

// What a kiosk in a school corridor meets: read-only folders, locked and
// damaged databases, and power cuts. Nothing stored may be lost, and every
// change that could not be stored must say so.
class tst_storeFaults : public QObject
{
    Q_OBJECT

private slots:
    void readOnlyFolder();
    void lockedHistory();
    void damagedDatabases_data();
    void damagedDatabases();
    void killedRightAfterChanges();

private:
    SystemClock clock;
};

static const QDate today = QDate::currentDate();

void tst_storeFaults::readOnlyFolder()
{
    TestWorkspace workspace;
    {
        DatabaseInventory inventory;
        DatabaseHistory history(clock);
        FileStudentList students("students.lst");
        inventory.addItems({ Item("Harp", 1) });
        history.add(Student("Ada", "1", "pw"), Item("Harp", 1));
        students.setStudents({ Student("Ada", "1", "pw") });
    }
    const QByteArray studentFile = workspace.readFile("students.lst");
    for (const char* name : { "inventory", "history", "students.lst" })
        QVERIFY(QFile::setPermissions(name, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    QVERIFY(QFile::setPermissions(workspace.path(), QFile::ReadOwner | QFile::ExeOwner));
    if (QFile probe("probe"); probe.open(QIODevice::WriteOnly))
        QSKIP("This user ignores file permissions; run the test through run-without-root-privileges.sh");

    {
        DatabaseInventory inventory;
        DatabaseHistory history(clock);
        FileStudentList students("students.lst");
        QCOMPARE(inventory.items(), QList<Item> { Item("Harp", 1) });
        QCOMPARE(history.entries(today, today, {}, {}).size(), 1);
        QCOMPARE(students.student("1"), Student("Ada", "1", "pw"));

        QVERIFY(!inventory.addItems({ Item("Harp", 2) }));
        QVERIFY(!inventory.removeItems({ Item("Harp", 1) }));
        QVERIFY(!history.add(Student("Ada", "1", "pw"), Item("Harp", 2)));
        QVERIFY(!history.clear());
        QVERIFY(!students.setPassword("1", QString()));
        QVERIFY(!students.setStudents({}));
    }
    QVERIFY(QFile::setPermissions(workspace.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QCOMPARE(workspace.readFile("students.lst"), studentFile);
    DatabaseHistory history(clock);
    QCOMPARE(history.entries(today, today, {}, {}).size(), 1);
}

void tst_storeFaults::lockedHistory()
{
    TestWorkspace workspace;
    DatabaseHistory history(clock);
    history.add(Student("Ada", "1", "pw"), Item("Harp", 1));

    QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other");
    other.setDatabaseName("history");
    other.setConnectOptions("QSQLITE_BUSY_TIMEOUT=0");
    QVERIFY(other.open());
    QVERIFY(QSqlQuery(other).exec("BEGIN EXCLUSIVE"));

    // Waits for the lock as long as SQLite's busy timeout allows, then reports.
    QVERIFY(!history.add(Student("Bo", "2", "pw"), Item("Harp", 2)));

    QVERIFY(QSqlQuery(other).exec("ROLLBACK"));
    other.close();
    other = QSqlDatabase();
    QSqlDatabase::removeDatabase("other");
    QCOMPARE(history.entries(today, today, {}, {}).size(), 1);
    QVERIFY(history.add(Student("Bo", "2", "pw"), Item("Harp", 2)));
}

void tst_storeFaults::damagedDatabases_data()
{
    QTest::addColumn<QByteArray>("contents");
    QByteArray noise(4096, '\0');
    QRandomGenerator generator(7);
    for (char& byte : noise)
        byte = char(generator.bounded(256));
    QTest::newRow("random bytes") << noise;
    QTest::newRow("SQLite header, then noise") << QByteArray("SQLite format 3\0", 16) + noise;
}

void tst_storeFaults::damagedDatabases()
{
    QFETCH(QByteArray, contents);
    TestWorkspace workspace;
    workspace.writeFile("inventory", contents);
    workspace.writeFile("history", contents);
    {
        DatabaseInventory inventory;
        DatabaseHistory history(clock);
        // Told at start, naming the file, not found out one failed sign-out at a time.
        QVERIFY2(inventory.problem().contains("\"inventory\" cannot be read"), qPrintable(inventory.problem()));
        QVERIFY2(history.problem().contains("\"history\" cannot be read"), qPrintable(history.problem()));
        QVERIFY(inventory.items().isEmpty());
        QVERIFY(history.entries(today, today, {}, {}).isEmpty());
        QVERIFY(!inventory.addItems({ Item("Harp", 1) }));
        QVERIFY(!history.add(Student("Ada", "1", "pw"), Item("Harp", 1)));
    }
    // Left for someone to rescue, never replaced.
    QCOMPARE(workspace.readFile("inventory"), contents);
    QCOMPARE(workspace.readFile("history"), contents);
}

// The child half of killedRightAfterChanges: it registers a first password,
// imports a list and records a sign-out, then dies without any clean-up.
static void changeThenDie()
{
    SystemClock clock;
    FileStudentList students("students.lst");
    DatabaseHistory history(clock);
    const auto [opened, list]
        = withFile("list.csv", QIODevice::ReadOnly, [](QFile& file) { return readStudentCsv(file).students; });
    students.setStudents(list);
    if (opened && students.setPassword("1", "pw") && history.add(students.student("1"), Item("Harp", 1)))
        std::raise(SIGKILL);
    std::exit(1);
}

void tst_storeFaults::killedRightAfterChanges()
{
    TestWorkspace workspace;
    workspace.writeFile("list.csv", "ID,First,Last\n1,Ada,Lovelace\n2,Bo,Diddley\n");
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("STORE_FAULTS_CHILD", "1");
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);

    FileStudentList students("students.lst");
    DatabaseHistory history(clock);
    QCOMPARE(students.count(), 2);
    QCOMPARE(students.student("1").password(), QString("pw"));
    const QList<Entry> entries = history.entries(today, today, {}, {});
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries.first().student().toString(), QString("Ada Lovelace (1)"));
}

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (qEnvironmentVariableIsSet("STORE_FAULTS_CHILD"))
        changeThenDie();
    tst_storeFaults test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_storeFaults.moc"
