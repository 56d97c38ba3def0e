#include "support/TestWorkspace.h"
#include "support/ownerOnly.h"
#include "support/sqliteFile.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>

#include <csignal>

#include <sys/stat.h>

// The real program, as the operating system and staff start and end it.
class tst_kioskProcess : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void systemEndsItWithoutThePassword_data();
    void systemEndsItWithoutThePassword();
    void secondKioskInTheSameFolderStops();
    void backupBesideAKioskRestoredOnlyAfterIt();
    void startsInAReadOnlyFolder();
    void filesAreTheKioskUsersAlone();
    void refusesAFileOfANewerRelease();
    void databaseSetForDeployment_data();
    void databaseSetForDeployment();

private:
    void startKiosk(QProcess& kiosk, const QStringList& arguments = {});
    bool waitForLock();

    std::unique_ptr<TestWorkspace> workspace;
};

void tst_kioskProcess::init()
{
    workspace = std::make_unique<TestWorkspace>();
    // The administrator password that would guard a close asked for by a person.
    QDir().mkpath("config/Ostmere");
    workspace->writeFile("config/Ostmere/Brindlow.conf", "[settings]\npassword=secret\n");
}

void tst_kioskProcess::cleanup()
{
    workspace.reset();
}

void tst_kioskProcess::startKiosk(QProcess& kiosk, const QStringList& arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_CONFIG_HOME", workspace->filePath("config"));
    kiosk.setProcessEnvironment(environment);
    kiosk.setWorkingDirectory(workspace->path());
    kiosk.start(BRINDLOW_EXECUTABLE, arguments);
    QVERIFY(kiosk.waitForStarted());
}

bool tst_kioskProcess::waitForLock()
{
    return QTest::qWaitFor([this] { return QFile::exists(workspace->filePath("brindlow.lock")); }, 10000);
}

void tst_kioskProcess::systemEndsItWithoutThePassword_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT") << int(SIGINT);
    QTest::newRow("SIGHUP") << int(SIGHUP);
}

void tst_kioskProcess::systemEndsItWithoutThePassword()
{
    QFETCH(int, signal);
    QProcess kiosk;
    startKiosk(kiosk);
    QVERIFY(waitForLock());
    // Started in an empty folder: the list file appears only at teardown.
    QVERIFY(QTest::qWaitFor([&] { return QFile::exists(workspace->filePath("history")); }, 10000));
    QTest::qWait(200);
    QVERIFY(!QFile::exists(workspace->filePath("students.lst")));

    ::kill(pid_t(kiosk.processId()), signal);
    QVERIFY(kiosk.waitForFinished(10000));
    QCOMPARE(kiosk.exitStatus(), QProcess::NormalExit);
    QCOMPARE(kiosk.exitCode(), 0);
    QCOMPARE(workspace->readFile("students.lst"), QByteArray::fromHex("00000000"));
    QVERIFY(!QFile::exists(workspace->filePath("brindlow.lock")));
}

void tst_kioskProcess::secondKioskInTheSameFolderStops()
{
    QProcess first;
    startKiosk(first);
    QVERIFY(waitForLock());

    // The first kiosk has been running for hours.
    QFile lock(workspace->filePath("brindlow.lock"));
    QVERIFY(lock.open(QIODevice::ReadWrite));
    QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-3 * 3600), QFileDevice::FileModificationTime));
    lock.close();

    QProcess second;
    startKiosk(second);
    QByteArray log;
    QVERIFY(QTest::qWaitFor(
        [&] {
            log += second.readAllStandardError();
            return log.contains("already running");
        },
        10000));
    // For the session's journal: the moment and the level of each line.
    static const QRegularExpression line(
        R"((^|\n)\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}\S* warning: [^\n]*already running)");
    QVERIFY2(line.match(QString::fromLocal8Bit(log)).hasMatch(), log.constData());
    // Its message box waits for someone to read it; the first kiosk carries on.
    second.kill();
    second.waitForFinished();
    QCOMPARE(first.state(), QProcess::Running);
    QVERIFY(QFile::exists(workspace->filePath("brindlow.lock")));

    first.terminate();
    QVERIFY(first.waitForFinished(10000));
    QCOMPARE(first.exitCode(), 0);
}

void tst_kioskProcess::backupBesideAKioskRestoredOnlyAfterIt()
{
    QProcess kiosk;
    startKiosk(kiosk);
    QVERIFY(waitForLock());
    QProcess tool;
    startKiosk(tool, { "--backup-now" });
    QVERIFY(tool.waitForFinished(30000));
    QCOMPARE(tool.exitCode(), 0);
    const QString set = QString::fromLocal8Bit(tool.readAllStandardOutput()).section(' ', -1).trimmed().chopped(1);
    QVERIFY2(QFile::exists(set + "/history"), qPrintable(set));

    startKiosk(tool, { "--restore-backup", set });
    QVERIFY(tool.waitForFinished(30000));
    QVERIFY2(tool.exitCode() != 0, "restored under a running kiosk");
    QVERIFY(QDir(workspace->path()).entryList({ "before-restore-*" }, QDir::Dirs).isEmpty());

    kiosk.terminate();
    QVERIFY(kiosk.waitForFinished(10000));
    startKiosk(tool, { "--restore-backup", set });
    QVERIFY(tool.waitForFinished(30000));
    QCOMPARE(tool.exitCode(), 0);
    QCOMPARE(QDir(workspace->path()).entryList({ "before-restore-*" }, QDir::Dirs).size(), 1);
}

// No lock file can be made there, which is no sign of another kiosk.
void tst_kioskProcess::startsInAReadOnlyFolder()
{
    const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ExeOwner;
    QVERIFY(QFile::setPermissions(workspace->path(), readOnly));
    QProcess kiosk;
    startKiosk(kiosk);
    QTest::qWait(1500);
    QVERIFY(QFile::setPermissions(workspace->path(), readOnly | QFile::WriteOwner));
    QCOMPARE(kiosk.state(), QProcess::Running);
    QVERIFY(!kiosk.readAllStandardError().contains("already running"));

    kiosk.terminate();
    QVERIFY(kiosk.waitForFinished(10000));
    QCOMPARE(kiosk.exitCode(), 0);
}

// The settings hold the administrator password's hash; the setup left them, and
// everything the kiosk made, readable by every user.
void tst_kioskProcess::filesAreTheKioskUsersAlone()
{
    const QString settings = workspace->filePath("config/Ostmere/Brindlow.conf");
    QVERIFY(::chmod(qPrintable(settings), 0644) == 0);
    QVERIFY(::chmod(qPrintable(workspace->filePath("config/Ostmere")), 0755) == 0);
    const mode_t umaskBefore = ::umask(022);
    QProcess kiosk;
    startKiosk(kiosk);
    ::umask(umaskBefore);
    QVERIFY(waitForLock());

    struct stat folder;
    QVERIFY(::stat(qPrintable(workspace->filePath("config/Ostmere")), &folder) == 0);
    QCOMPARE(folder.st_mode & 0777, mode_t(0700));
    QVERIFY(isOwnerOnly(settings));
    QVERIFY(isOwnerOnly(workspace->filePath("brindlow.lock")));
    kiosk.terminate();
    QVERIFY(kiosk.waitForFinished(10000));
}

void tst_kioskProcess::refusesAFileOfANewerRelease()
{
    QVERIFY(runSql(
        workspace->filePath("history"), { "CREATE TABLE history (dateTime INTEGER)", "PRAGMA user_version = 1000" }));
    const QByteArray before = workspace->readFile("history");
    QProcess kiosk;
    startKiosk(kiosk);
    QVERIFY(QTest::qWaitFor([&] { return kiosk.readAllStandardError().contains("newer version"); }, 10000));
    // Its message box waits for someone to read it.
    kiosk.kill();
    kiosk.waitForFinished();
    QCOMPARE(workspace->readFile("history"), before);
}

void tst_kioskProcess::databaseSetForDeployment_data()
{
    QTest::addColumn<QString>("connection");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("stored");
    QTest::newRow("a database") << "host=db.school.lan dbname=brindlow user=kiosk" << 0
                                << "host=db.school.lan dbname=brindlow user=kiosk";
    QTest::newRow("back to the files") << "" << 0 << "";
    // Secrets stay out of the settings: libpq's password file holds them.
    QTest::newRow("password refused") << "host=db dbname=b password=secret" << 1 << "host=before";
    QTest::newRow("password in a URI refused") << "postgresql://kiosk:secret@db/brindlow" << 1 << "host=before";
    QTest::newRow("a word with password in it") << "dbname=password_reset" << 0 << "dbname=password_reset";
}

void tst_kioskProcess::databaseSetForDeployment()
{
    QFETCH(QString, connection);
    QFETCH(int, exitCode);
    QFETCH(QString, stored);
    workspace->writeFile("config/Ostmere/Brindlow.conf", "[database]\nconnection=host=before\n");
    QProcess kiosk;
    startKiosk(kiosk, { "--database", connection });
    QVERIFY(kiosk.waitForFinished(10000));
    QCOMPARE(kiosk.exitCode(), exitCode);
    const QSettings settings(workspace->filePath("config/Ostmere/Brindlow.conf"), QSettings::IniFormat);
    QCOMPARE(settings.value("database/connection").toString(), stored);
    QVERIFY(!QFile::exists(workspace->filePath("brindlow.lock")));
}

QTEST_GUILESS_MAIN(tst_kioskProcess)
#include "tst_kioskProcess.moc"
