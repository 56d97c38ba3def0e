#include "stores/PostgresDatabase.h"
#include "stores/PostgresHistory.h"
#include "stores/PostgresInventory.h"
#include "stores/PostgresStudentList.h"
#include "stores/SystemClock.h"
#include "support/StoreBackend.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

#include <cstdio>

// Kiosks in separate processes on one database, as in a school with several:
// the rules hold between them because the database holds them.
class tst_PostgresKiosks : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void oneSignOutPerItemAndDay();
    void firstPasswordRace();
    void changesReachTheOtherKiosks_data();
    void changesReachTheOtherKiosks();
    void serverOutageIsSurvived();
    void importUndoneOnAnotherKiosk();

private:
    std::unique_ptr<StoreBackend> backend; // a fresh database for each test
};

static constexpr int Rounds = 40;

/// Starts this program again as another kiosk doing \a work.
static void startKiosk(QProcess& kiosk, const QString& work, const QString& name)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("KIOSK_WORK", work);
    environment.insert("KIOSK_NAME", name);
    kiosk.setProcessEnvironment(environment);
    kiosk.start(QCoreApplication::applicationFilePath(), {});
}

static QStringList outputOf(QProcess& kiosk)
{
    if (!kiosk.waitForFinished(60000) || kiosk.exitCode() != 0)
        return { "failed" };
    return QString::fromUtf8(kiosk.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

/// Two kiosks doing \a work at once, as \a first and \a second; each one's lines, in rounds.
static std::pair<QStringList, QStringList> race(const QString& work, const QString& first, const QString& second)
{
    QProcess one;
    QProcess other;
    startKiosk(one, work, first);
    startKiosk(other, work, second);
    return { outputOf(one), outputOf(other) };
}

/// The other kiosk's half of each test; prints one line per attempt.
static int otherKiosk(const QString& work, const QString& name)
{
    PostgresDatabase database(StoreBackend::connection());
    SystemClock clock;
    if (work == "sign-out") {
        PostgresHistory history(database, clock);
        for (int round = 0; round < Rounds; ++round)
            std::printf("%d\n", history.add(Student(name, name, {}), Item("Race", round)) ? 1 : 0);
    } else if (work == "register") {
        PostgresStudentList students(database);
        for (int round = 0; round < Rounds; ++round) {
            const auto registration = students.registerPassword(QString::number(round), name);
            std::printf("%d\n", int(registration));
        }
    } else if (work == "inventory") {
        PostgresInventory(database).addItems({ Item("Harp", 1) });
    } else if (work == "history") {
        PostgresHistory(database, clock).add(Student(name, name, {}), Item("Harp", 1));
    } else if (work == "students") {
        PostgresStudentList(database).setStudents({ Student("Ada", "1", {}) });
    } else if (work == "passwords") {
        PostgresStudentList(database).setPassword("1", "hash");
    }
    return 0;
}

void tst_PostgresKiosks::init()
{
    if (!StoreBackend::isPostgres())
        QSKIP("Needs the throwaway server: run through tests/support/postgres.sh");
    backend = std::make_unique<StoreBackend>();
}

void tst_PostgresKiosks::oneSignOutPerItemAndDay()
{
    const auto [a, b] = race("sign-out", "A", "B");
    QCOMPARE(a.size(), Rounds);
    QCOMPARE(b.size(), Rounds);
    for (int round = 0; round < Rounds; ++round)
        QVERIFY2(a.at(round).toInt() + b.at(round).toInt() == 1, qPrintable(QString("round %1").arg(round)));
}

void tst_PostgresKiosks::firstPasswordRace()
{
    SystemClock clock;
    PostgresDatabase database(StoreBackend::connection());
    PostgresStudentList students(database);
    QList<Student> list;
    for (int round = 0; round < Rounds; ++round)
        list.append(Student("Student", QString::number(round), {}));
    QVERIFY(students.setStudents(list));

    const auto [a, b] = race("register", "hash-A", "hash-B");
    QCOMPARE(a.size(), Rounds);
    QCOMPARE(b.size(), Rounds);
    PostgresStudentList reread(database);
    const QString registered = QString::number(int(AbstractStudentList::Registration::Registered));
    for (int round = 0; round < Rounds; ++round) {
        // Exactly one wins; the other is told a password is there already.
        QCOMPARE(QStringList({ a.at(round), b.at(round) }).count(registered), 1);
        QCOMPARE(reread.student(QString::number(round)).password(), a.at(round) == registered ? "hash-A" : "hash-B");
    }
}

void tst_PostgresKiosks::changesReachTheOtherKiosks_data()
{
    QTest::addColumn<QString>("work");
    QTest::addColumn<QString>("heardBy"); // the store that shows it
    QTest::newRow("item added") << "inventory"
                                << "inventory";
    QTest::newRow("sign-out") << "history"
                              << "history";
    QTest::newRow("student list imported") << "students"
                                           << "students";
}

// Within a second, and without anyone reading the tables on a timer.
void tst_PostgresKiosks::changesReachTheOtherKiosks()
{
    QFETCH(QString, work);
    QFETCH(QString, heardBy);
    SystemClock clock;
    PostgresDatabase database(StoreBackend::connection());
    PostgresInventory inventory(database);
    PostgresHistory history(database, clock);
    PostgresStudentList students(database);
    QObject* store = heardBy == "inventory" ? static_cast<QObject*>(&inventory)
        : heardBy == "history"              ? static_cast<QObject*>(&history)
                                            : static_cast<QObject*>(&students);
    QSignalSpy modified(store, SIGNAL(modified()));

    QProcess other;
    startKiosk(other, work, "Zoë");
    QCOMPARE(outputOf(other), QStringList());
    QVERIFY(modified.wait(1000));
    QCOMPARE(inventory.items().size() + history.count({ clock.today(), clock.today() }) + students.count(), 1);
}

void tst_PostgresKiosks::serverOutageIsSurvived()
{
    SystemClock clock;
    PostgresDatabase database(StoreBackend::connection());
    PostgresHistory history(database, clock);
    const QString script = qEnvironmentVariable("BRINDLOW_TEST_POSTGRES_SCRIPT");
    const QString folder = qEnvironmentVariable("BRINDLOW_TEST_POSTGRES_DIR");
    QCOMPARE(QProcess::execute(script, { "pause", folder }), 0);

    // Refused while the server is away, and nothing kept to be written later.
    QVERIFY(!history.add(Student("Ada", "1", {}), Item("Harp", 1)));
    QCOMPARE(QProcess::execute(script, { "resume", folder }), 0);
    QSignalSpy reconnected(&database, &PostgresDatabase::reconnected);
    QVERIFY(reconnected.wait(10000));
    QVERIFY(history.add(Student("Ada", "1", {}), Item("Harp", 1)));
    QCOMPARE(history.count({ clock.today(), clock.today() }), 1);
}

// The list before an import, passwords and all, comes back on any kiosk.
void tst_PostgresKiosks::importUndoneOnAnotherKiosk()
{
    PostgresDatabase first(StoreBackend::connection());
    PostgresDatabase second(StoreBackend::connection());
    PostgresStudentList here(first);
    PostgresStudentList there(second);
    const QList<Student> before { Student("Ada", "1", "$argon2id$v=19$ada"), Student("Bo", "2", {}) };
    QVERIFY(here.setStudents(before));
    QVERIFY(!here.canUndoImport());
    QVERIFY(here.importStudents({ Student("Ada Byron", "1", {}) }));

    QSignalSpy imported(&there, &AbstractStudentList::modified);
    QVERIFY(imported.wait(1000));
    QVERIFY(there.canUndoImport());
    QVERIFY(there.undoImport());
    QVERIFY(!there.undoImport()); // once
    QCOMPARE(QList<Student>({ there.at(0), there.at(1) }), before);
    QTRY_COMPARE_WITH_TIMEOUT(here.student("1"), before.first(), 1000);
    QVERIFY(!here.canUndoImport());
}

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (const QString work = qEnvironmentVariable("KIOSK_WORK"); !work.isEmpty())
        return otherKiosk(work, qEnvironmentVariable("KIOSK_NAME"));
    tst_PostgresKiosks test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_PostgresKiosks.moc"
