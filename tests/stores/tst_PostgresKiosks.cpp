#include "models/HistoryModel.h"
#include "models/InventoryModel.h"
#include "models/ItemAvailabilityModel.h"
#include "stores/PostgresDatabase.h"
#include "stores/PostgresHistory.h"
#include "stores/PostgresInventory.h"
#include "stores/PostgresStudentList.h"
#include "stores/SystemClock.h"
#include "support/ItemViews.h"
#include "support/StoreBackend.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QSqlError>
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
    void signOutsElsewhereAreTakenIn_data();
    void signOutsElsewhereAreTakenIn();
    void changesHeardTogetherAreToldOnce();
    void serverOutageIsSurvived_data();
    void serverOutageIsSurvived();
    void importUndoneOnAnotherKiosk();
    void listsRoundTrip_data();
    void listsRoundTrip();
    void kiosksAtOnceNeverRefuseEachOther_data();
    void kiosksAtOnceNeverRefuseEachOther();
    void setUpRefusalSaysWhy();
    void waitingStatementIsRefused();

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

/// Kiosks doing \a work at once, one for each of \a names; each one's lines.
static QList<QStringList> together(const QString& work, const QStringList& names)
{
    std::vector<std::unique_ptr<QProcess>> kiosks;
    for (const QString& name : names) {
        kiosks.push_back(std::make_unique<QProcess>());
        startKiosk(*kiosks.back(), work, name);
    }
    QList<QStringList> outputs;
    for (const auto& kiosk : kiosks)
        outputs.append(outputOf(*kiosk));
    return outputs;
}

/// Two kiosks doing \a work at once, as \a first and \a second; each one's lines, in rounds.
static std::pair<QStringList, QStringList> race(const QString& work, const QString& first, const QString& second)
{
    const QList<QStringList> outputs = together(work, { first, second });
    return { outputs.at(0), outputs.at(1) };
}

/// The test server with another database, "fresh", empty.
static QString freshDatabase()
{
    {
        PostgresDatabase server(StoreBackend::connection());
        QSqlQuery query(server.database());
        for (const char* statement : { "DROP DATABASE IF EXISTS fresh", "CREATE DATABASE fresh" })
            if (!query.exec(statement))
                qFatal("%s: %s", statement, qPrintable(query.lastError().text()));
    }
    return StoreBackend::connection() + " dbname=fresh";
}

/// The other kiosk's half of each test; prints one line per attempt.
static int otherKiosk(const QString& work, const QString& name)
{
    if (work == "set-up") {
        const QString problem = PostgresDatabase(StoreBackend::connection() + " dbname=fresh").problem();
        std::printf("%s\n", qPrintable(problem.isEmpty() ? "set up" : problem));
        return 0;
    }
    PostgresDatabase database(StoreBackend::connection());
    SystemClock clock;
    if (work == "sign-out" || work == "sign-out-own") {
        PostgresHistory history(database, clock);
        const QString item = work == "sign-out" ? "Race" : name;
        for (int round = 0; round < Rounds; ++round)
            std::printf("%d\n", history.add(Student(name, name, {}), Item(item, round)) ? 1 : 0);
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

void tst_PostgresKiosks::signOutsElsewhereAreTakenIn_data()
{
    QTest::addColumn<QString>("text"); // the student's and the item's name
    QTest::addColumn<QString>("notice"); // sent instead of a sign-out
    QTest::addColumn<bool>("readAgain");
    QTest::newRow("quotes and commas") << QString("O'Brien, \"Bo\"") << QString() << false;
    QTest::newRow("not ASCII") << QString("Zoë Łukasz 日本 🎻") << QString() << false;
    QTest::newRow("escapes: backslash, brackets, newline") << QString("a\\\"],[\n\t}\\u0041") << QString() << false;
    QTest::newRow("a notice lookalike") << QString("history [1,\"x\"]") << QString() << false;
    QTest::newRow("too long for a notice: read again") << QString(4000, u'é') << QString() << true;
    QTest::newRow("an older release's notice: read again") << QString("Harp") << QString("history") << true;
    QTest::newRow("a notice not understood: read again") << QString("Harp") << QString("history [1,") << true;
}

// Another kiosk's sign-out reaches this one's views with its row, as stored:
// the log and the marks take it in without reading the day again.
void tst_PostgresKiosks::signOutsElsewhereAreTakenIn()
{
    QFETCH(QString, text);
    QFETCH(QString, notice);
    QFETCH(bool, readAgain);
    SystemClock clock;
    PostgresDatabase here(StoreBackend::connection());
    PostgresInventory inventory(here);
    QVERIFY(inventory.addItems({ Item(text, 3) }));
    PostgresHistory history(here, clock);
    InventoryModel items(&inventory);
    ItemAvailabilityModel marks(&items, &history, clock);
    HistoryModel log(&history, HistoryModel::TimeColumn | HistoryModel::ItemColumn, clock.today());
    HistoryModel elsewhere(&history, HistoryModel::ItemColumn, clock.today());
    elsewhere.setFilter(clock.today(), clock.today(), { "nobody" }, {});
    QCOMPARE(columnTexts(&marks), QStringList { text + " #3" });
    QCOMPARE(log.rowCount() + elsewhere.rowCount(), 0);
    QSignalSpy added(&history, &AbstractHistory::added);
    QSignalSpy rewritten(&history, &AbstractHistory::rewritten);
    QSignalSpy logInserted(&log, &QAbstractItemModel::rowsInserted);
    QSignalSpy elsewhereReset(&elsewhere, &QAbstractItemModel::modelReset);
    QSignalSpy elsewhereInserted(&elsewhere, &QAbstractItemModel::rowsInserted);

    PostgresDatabase there(StoreBackend::connection());
    if (notice.isEmpty())
        QVERIFY(PostgresHistory(there, clock).add(Student(text, "7", {}), Item(text, 3)));
    else
        QVERIFY(there.notify(notice));
    QTRY_COMPARE_WITH_TIMEOUT(added.count() + rewritten.count(), 1, 2000);
    QCOMPARE(rewritten.count(), int(readAgain));
    if (!readAgain) {
        const Entry entry = added.first().first().value<Entry>();
        QCOMPARE(entry.student(), Student(text, "7", {}));
        QCOMPARE(entry.item(), Item(text, 3));
        QCOMPARE(logInserted.count(), 1);
        QCOMPARE(elsewhereReset.count() + elsewhereInserted.count(), 0);
    }
    const bool signedOut = notice.isEmpty();
    QCOMPARE(columnTexts(&marks), QStringList { text + (signedOut ? " #3 (signed out today)" : " #3") });
    QCOMPARE(columnTexts(&log, 1), signedOut ? QStringList { text + " #3" } : QStringList());
}

// Another kiosk's changes heard together are told together, in the order
// they came: a topic told again is read once, no row is dropped.
void tst_PostgresKiosks::changesHeardTogetherAreToldOnce()
{
    PostgresDatabase here(StoreBackend::connection());
    QStringList told;
    connect(&here, &PostgresDatabase::changedElsewhere, [&told](const QString& topic) { told << topic; });
    PostgresDatabase there(StoreBackend::connection());
    // Each in a transaction of its own: the server folds a notice repeated within one.
    for (const char* notice : { "history [1]", "inventory", "history [2]", "inventory", "students", "history [3]" })
        QVERIFY(there.notify(notice));
    QTRY_VERIFY_WITH_TIMEOUT(!told.isEmpty(), 2000);
    QCOMPARE(told, QStringList({ "history [1]", "inventory", "history [2]", "students", "history [3]" }));
}

void tst_PostgresKiosks::serverOutageIsSurvived_data()
{
    QTest::addColumn<bool>("watchdogFirst");
    QTest::newRow("connected again by the watchdog") << true;
    // At once, not when the watchdog next looks.
    QTest::newRow("connected again by the next sign-out") << false;
}

void tst_PostgresKiosks::serverOutageIsSurvived()
{
    QFETCH(bool, watchdogFirst);
    SystemClock clock;
    PostgresDatabase database(StoreBackend::connection());
    PostgresHistory history(database, clock);
    const QString script = qEnvironmentVariable("BRINDLOW_TEST_POSTGRES_SCRIPT");
    const QString folder = qEnvironmentVariable("BRINDLOW_TEST_POSTGRES_DIR");
    QCOMPARE(QProcess::execute(script, { "pause", folder }), 0);

    // Refused while the server is away, and nothing kept to be written later.
    QVERIFY(!history.add(Student("Ada", "1", {}), Item("Harp", 1)));
    QCOMPARE(QProcess::execute(script, { "resume", folder }), 0);
    if (watchdogFirst) {
        QSignalSpy reconnected(&database, &PostgresDatabase::reconnected);
        QVERIFY(reconnected.wait(10000));
    }
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

void tst_PostgresKiosks::listsRoundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("double quote") << QString("Ada \"Bo\"");
    QTest::newRow("backslash") << QString("Back\\slash\\");
    QTest::newRow("comma and braces") << QString("{a,b},}");
    QTest::newRow("the word NULL") << QString("NULL");
    QTest::newRow("single quote") << QString("O'Brien");
    QTest::newRow("empty") << QString("");
    QTest::newRow("spaces around") << QString("  Zoë  ");
}

// Lists go to the database as arrays: no text may break out of its element
// or come back changed, and a missing password stays NULL.
void tst_PostgresKiosks::listsRoundTrip()
{
    QFETCH(QString, text);
    PostgresDatabase database(StoreBackend::connection());
    PostgresStudentList students(database);
    PostgresInventory inventory(database);
    const QList<Student> list { Student(text, "1", text), Student(text, text + "2", {}) };
    QVERIFY(students.setStudents(list));
    QVERIFY(inventory.addItems({ Item(text, 1), Item("Harp", 2), Item(text, 1) }));

    PostgresDatabase other(StoreBackend::connection());
    PostgresStudentList reread(other);
    QCOMPARE(QList<Student>({ reread.student("1"), reread.student(text + "2") }), list);
    QVERIFY(reread.student(text + "2").password().isNull());
    QCOMPARE(PostgresInventory(other).items(), QList<Item>({ Item(text, 1), Item("Harp", 2) }));
    QVERIFY(inventory.removeItems({ Item(text, 1) }));
    QCOMPARE(PostgresInventory(other).items(), QList<Item>({ Item("Harp", 2) }));
    QVERIFY(students.clearPasswords({ "1" }));
    QVERIFY(PostgresStudentList(other).student("1").password().isNull());
}

void tst_PostgresKiosks::kiosksAtOnceNeverRefuseEachOther_data()
{
    QTest::addColumn<QString>("work");
    QTest::addColumn<QString>("expected"); // every line of every kiosk
    QTest::newRow("setting up an empty database") << QString("set-up") << QString("set up");
    QTest::newRow("signing out different items") << QString("sign-out-own") << QString("1");
}

// Whatever isolation the server gives transactions by default.
void tst_PostgresKiosks::kiosksAtOnceNeverRefuseEachOther()
{
    QFETCH(QString, work);
    QFETCH(QString, expected);
    freshDatabase();
    const QList<QStringList> outputs = together(work, { "A", "B", "C", "D", "E", "F" });
    for (const QStringList& lines : outputs) {
        QVERIFY(!lines.isEmpty());
        for (const QString& line : lines)
            QCOMPARE(line, expected);
    }
}

// "The database could not be set up: " never ends there.
void tst_PostgresKiosks::setUpRefusalSaysWhy()
{
    const QString fresh = freshDatabase();
    {
        PostgresDatabase server(StoreBackend::connection());
        QSqlQuery query(server.database());
        QVERIFY(query.exec("DROP ROLE IF EXISTS visitor"));
        QVERIFY(query.exec("CREATE ROLE visitor LOGIN"));
    }
    // Since PostgreSQL 15 only the owner may create tables in the schema public.
    const QString problem = PostgresDatabase(fresh + " user=visitor").problem();
    QVERIFY2(problem.contains("permission denied"), qPrintable(problem));
}

// A server that keeps the connection but stops answering: the sign-out is
// refused within the time limit, and goes through once the server answers.
void tst_PostgresKiosks::waitingStatementIsRefused()
{
    SystemClock clock;
    PostgresDatabase database(StoreBackend::connection());
    PostgresHistory history(database, clock);
    PostgresDatabase other(StoreBackend::connection());
    QSqlQuery lock(other.database());
    // Let go after a while even when the kiosk waits without a limit.
    QVERIFY(lock.exec("SET idle_in_transaction_session_timeout = '15s'"));
    QVERIFY(other.database().transaction());
    QVERIFY(lock.exec("LOCK TABLE history IN ACCESS EXCLUSIVE MODE"));
    QElapsedTimer waited;
    waited.start();
    QVERIFY(!history.add(Student("Ada", "1", {}), Item("Harp", 1)));
    QVERIFY2(waited.elapsed() < 10000, qPrintable(QString("%1 ms").arg(waited.elapsed())));
    QVERIFY(other.database().rollback());
    QVERIFY(history.add(Student("Ada", "1", {}), Item("Harp", 1)));
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
