#include "app/moveIntoDatabase.h"
#include "stores/DatabaseHistory.h"
#include "stores/DatabaseInventory.h"
#include "stores/FileStudentList.h"
#include "stores/PostgresDatabase.h"
#include "stores/PostgresHistory.h"
#include "stores/PostgresInventory.h"
#include "stores/PostgresStudentList.h"
#include "support/FakeClock.h"
#include "support/StoreBackend.h"
#include "support/TestWorkspace.h"
#include "support/usageDifferences.h"

#include <QDir>
#include <QProcess>
#include <QSqlQuery>
#include <QTest>

#include <cstdio>

// A school that outgrows one kiosk moves its folder into the shared database
// with one command, losing nothing.
class tst_moveIntoDatabase : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void copiesEverythingOnce();
    void kioskRoleMayNotAlterTheTables();
    void twoCopiesAtOnce();

private:
    std::unique_ptr<StoreBackend> backend; // an empty database for each test
    std::unique_ptr<TestWorkspace> workspace;
};

void tst_moveIntoDatabase::init()
{
    if (!StoreBackend::isPostgres())
        QSKIP("Needs the throwaway server: run through tests/support/postgres.sh");
    backend = std::make_unique<StoreBackend>();
    workspace = std::make_unique<TestWorkspace>();
}

void tst_moveIntoDatabase::copiesEverythingOnce()
{
    const QDate day(2026, 3, 29); // the clocks go forward
    const QList<Entry> signOuts {
        Entry(QDateTime(day, QTime(9, 0)), Student("Zoë", "1", {}), Item("Violin", 2)),
        Entry(QDateTime(day, QTime(8, 0)), Student("Bo", "2", {}), Item("Violin", 2)), // the same copy again
        Entry(QDateTime(day.addDays(-400), QTime(23, 59, 59, 999)), Student("Zoë", "1", {}), Item("Flöte", 10)),
    };
    {
        FakeClock clock;
        DatabaseInventory inventory;
        DatabaseHistory history(clock);
        FileStudentList students("students.lst");
        inventory.addItems({ Item("Violin", 2), Item("Flöte", 10) });
        students.setStudents(
            { Student("Zoë", "1", "$argon2id$v=19$m=19456,t=2,p=1$c2FsdA$aGFzaA"), Student("Bo", "2", {}) });
        for (const Entry& entry : signOuts) {
            clock.set(entry.dateTime());
            history.add(entry.student(), entry.item());
        }
    }

    const QList<Item> folderItems = DatabaseInventory().items();
    const UsageQuery allYears { day.addDays(-400), day, {}, {} };
    const Usage folderUsage = DatabaseHistory(FakeClock()).usage(allYears);
    const auto [copied, report] = moveIntoDatabase(StoreBackend::connection());
    QVERIFY2(copied, qPrintable(report));
    QVERIFY2(report.contains("2 items") && report.contains("2 students (1 with") && report.contains("3 sign-outs"),
        qPrintable(report));

    FakeClock clock;
    PostgresDatabase database(StoreBackend::connection());
    PostgresStudentList students(database);
    PostgresHistory history(database, clock);
    QCOMPARE(PostgresInventory(database).items(), folderItems);
    QCOMPARE(students.student("1").password(), QString("$argon2id$v=19$m=19456,t=2,p=1$c2FsdA$aGFzaA"));
    QVERIFY(students.student("2").password().isNull());
    const QList<Entry> moved = history.entries(day.addDays(-400), day, {}, {});
    QCOMPARE(moved.size(), 3);
    QSqlQuery unfolded(database.database());
    QVERIFY(unfolded.exec("SELECT (SELECT count(*) FROM historyStudents WHERE folded IS NULL) "
                          "+ (SELECT count(*) FROM historyItems WHERE folded IS NULL)"));
    QVERIFY(unfolded.next());
    QCOMPARE(unfolded.value(0).toInt(), 0); // folded by the copy, not by the first search
    // Counted by the copy at the end, not row by row: the same sums.
    const QStringList differences = usageDifferences(history.usage(allYears), folderUsage);
    QVERIFY2(differences.isEmpty(), qPrintable(differences.join(", ")));
    QCOMPARE(history.count({ day.addDays(-400), day, {}, {} }), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(moved.at(i).msecsSinceEpoch(), signOuts.at(i).msecsSinceEpoch());
        QCOMPARE(moved.at(i).student().toString(), signOuts.at(i).student().toString());
    }

    // A range shorter than the history reads the counts per day, which the
    // copy counted too, the copy's second of the day (kept without a day) with them.
    const Usage used = history.usage({ day, day, {}, {} });
    QVERIFY(used.ok);
    QCOMPARE(used.signOutsPerCopy, (QMap<Item, qsizetype> { { Item("Violin", 2), 2 } }));
    QCOMPARE(used.students, (QMap<QString, qsizetype> { { "Violin", 2 } }));

    // Once only: the database holds data now.
    const auto [again, refusal] = moveIntoDatabase(StoreBackend::connection());
    QVERIFY(!again);
    QCOMPARE(history.entries(day.addDays(-400), day, {}, {}).size(), 3);
}

// The role the README gives the kiosks reads and writes, and changes nothing else.
void tst_moveIntoDatabase::kioskRoleMayNotAlterTheTables()
{
    PostgresDatabase asOwner(StoreBackend::connection());
    QSqlQuery owner(asOwner.database());
    const QStringList grants { "DROP ROLE IF EXISTS kiosk", "CREATE ROLE kiosk LOGIN",
        "GRANT USAGE ON SCHEMA public TO kiosk",
        "GRANT SELECT, INSERT, UPDATE, DELETE ON ALL TABLES IN SCHEMA public TO kiosk",
        "GRANT USAGE ON ALL SEQUENCES IN SCHEMA public TO kiosk",
        "REVOKE INSERT, UPDATE, DELETE ON brindlowSchema FROM kiosk" };
    for (const QString& grant : grants)
        QVERIFY2(owner.exec(grant), qPrintable(grant));

    FakeClock clock;
    PostgresDatabase asKiosk(StoreBackend::connection() + " user=kiosk");
    QVERIFY2(asKiosk.problem().isEmpty(), qPrintable(asKiosk.problem()));
    PostgresHistory history(asKiosk, clock);
    QVERIFY(PostgresInventory(asKiosk).addItems({ Item("Harp", 1) }));
    QVERIFY(history.add(Student("Ada", "1", {}), Item("Harp", 1)));
    QVERIFY(history.clear());
    QSqlQuery kiosk(asKiosk.database());
    QVERIFY(!kiosk.exec("DROP TABLE history"));
    QVERIFY(!kiosk.exec("ALTER TABLE students ADD COLUMN x text"));
    QVERIFY(!kiosk.exec("DELETE FROM brindlowSchema"));
}

/// A folder of one kiosk named \a name: one item and one student of that name.
static QString kioskFolder(const TestWorkspace& workspace, const QString& name)
{
    const QString folder = workspace.filePath(name);
    QDir().mkpath(folder);
    const QString before = QDir::currentPath();
    QDir::setCurrent(folder);
    {
        DatabaseInventory inventory;
        inventory.addItems({ Item(name, 1) });
        FileStudentList("students.lst").setStudents({ Student(name, name, {}) });
    }
    QDir::setCurrent(before);
    return folder;
}

// Two copies started at once: one copies its folder, the other finds its data.
void tst_moveIntoDatabase::twoCopiesAtOnce()
{
    QList<std::shared_ptr<QProcess>> copies;
    for (const char* name : { "A", "B" }) {
        auto copy = std::make_shared<QProcess>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("COPY_FOLDER", kioskFolder(*workspace, name));
        copy->setProcessEnvironment(environment);
        copies.append(copy);
    }
    for (const auto& copy : copies)
        copy->start(QCoreApplication::applicationFilePath(), {});
    QStringList outcomes;
    for (const auto& copy : copies) {
        QVERIFY(copy->waitForFinished(60000));
        outcomes.append(QString::fromUtf8(copy->readAllStandardOutput()).trimmed());
    }
    QCOMPARE(outcomes.filter("Copied 1 items").size(), 1);
    QCOMPARE(outcomes.filter("holds data already").size(), 1);
    PostgresDatabase database(StoreBackend::connection());
    QCOMPARE(PostgresInventory(database).items().size(), 1);
}

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    // One of the copies started at once.
    if (const QString folder = qEnvironmentVariable("COPY_FOLDER"); !folder.isEmpty()) {
        QDir::setCurrent(folder);
        std::printf("%s\n", qPrintable(moveIntoDatabase(StoreBackend::connection()).second));
        return 0;
    }
    tst_moveIntoDatabase test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_moveIntoDatabase.moc"
