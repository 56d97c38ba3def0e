#include "stores/Backups.h"
#include "stores/DatabaseHistory.h"
#include "stores/DatabaseInventory.h"
#include "stores/FileStudentList.h"
#include "stores/backupRotation.h"
#include "stores/restoreBackup.h"
#include "support/FakeClock.h"
#include "support/TestWorkspace.h"
#include "support/ownerOnly.h"
#include "support/sqliteFile.h"

#include <QDir>
#include <QTest>

#include <functional>
#include <memory>

static const HistoryQuery AllYears { QDate(2000, 1, 1), QDate(2100, 1, 1) };

class tst_Backups : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void setIsConsistentWhileSignOutsAreAdded();
    void verificationCatchesADamagedSet_data();
    void verificationCatchesADamagedSet();
    void rotationKeepsTheRightSetsOverAYear();
    void fullDiskNeverRemovesTheOnlyGoodSet();
    void destructiveActionsLeaveASetFirst_data();
    void destructiveActionsLeaveASetFirst();
    void failingFolderIsReportedAndRetried_data();
    void failingFolderIsReportedAndRetried();
    void restoreBringsBackEveryRowAndKeepsTheFilesAside();
    void restoreRefusesABadSet_data();
    void restoreRefusesABadSet();

private:
    /// The kiosk's three stores over a few rows, closed again (a kiosk's files).
    void writeData(int signOuts);
    QString makeGoodSet();

    std::unique_ptr<TestWorkspace> workspace;
    FakeClock clock { QDateTime(QDate(2026, 12, 8), QTime(18, 0)) };
};

void tst_Backups::init()
{
    workspace = std::make_unique<TestWorkspace>();
}

void tst_Backups::cleanup()
{
    workspace.reset();
}

void tst_Backups::writeData(int signOuts)
{
    DatabaseInventory inventory;
    inventory.addItems({ Item("Violin", 1), Item("Flute", 2) });
    DatabaseHistory history(clock);
    FileStudentList students(QStringLiteral("students.lst"));
    students.setStudents({ Student("Ann Lee", "s1", "hash"), Student("Bo Ng", "s2", QString()) });
    for (int i = 0; i < signOuts; ++i)
        history.add(students.at(i % 2), Item("Violin", i));
}

QString tst_Backups::makeGoodSet()
{
    const BackupResult result = Backups(clock).make();
    if (!result.problem.isEmpty())
        qWarning("%s", qPrintable(result.problem));
    return result.folder;
}

void tst_Backups::setIsConsistentWhileSignOutsAreAdded()
{
    writeData(300);
    Backups backups(clock);
    DatabaseHistory history(clock);
    QVERIFY(backups.start());
    int added = 0;
    while (backups.running() && added < 200) {
        QVERIFY(history.add(Student("Ann Lee", "s1", QString()), Item("Flute", added++)));
        QCoreApplication::processEvents();
    }
    QTRY_VERIFY(!backups.running());
    const Backups::Status status = backups.status();
    QVERIFY2(status.failure.isEmpty(), qPrintable(status.failure));
    const BackupManifest manifest = BackupManifest::load(QDir(status.lastGoodFolder).filePath(ManifestName));
    QCOMPARE(manifest.state, BackupManifest::State::Good);
    const qint64 rows = manifest.file("history")->rows;
    QVERIFY(rows >= 300 && rows <= 300 + added);
    QCOMPARE(verifyBackupSet(status.lastGoodFolder, manifest), QString());
    QVERIFY(isOwnerOnly(QDir(status.lastGoodFolder).filePath("history")));
}

void tst_Backups::verificationCatchesADamagedSet_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("remove");
    QTest::newRow("a byte flipped in the history") << "history" << false;
    QTest::newRow("a byte flipped in the inventory") << "inventory" << false;
    QTest::newRow("a byte flipped in the student list") << "students.lst" << false;
    QTest::newRow("the history missing") << "history" << true;
    QTest::newRow("the manifest missing") << ManifestName << true;
}

void tst_Backups::verificationCatchesADamagedSet()
{
    QFETCH(QString, file);
    QFETCH(bool, remove);
    writeData(50);
    const QString set = makeGoodSet();
    const QString path = QDir(set).filePath(file);
    if (remove) {
        QVERIFY(QFile::remove(path));
    } else {
        QFile damaged(path);
        QVERIFY(damaged.open(QIODevice::ReadWrite));
        damaged.seek(damaged.size() - 20);
        const char byte = damaged.peek(1).at(0);
        damaged.write(QByteArray(1, char(byte ^ 0x10)));
    }
    QVERIFY(!verifyBackupSet(set, BackupManifest::load(QDir(set).filePath(ManifestName))).isEmpty());
}

void tst_Backups::rotationKeepsTheRightSetsOverAYear()
{
    writeData(5);
    Backups backups(clock);
    const QDate first(2026, 1, 1);
    const QDate last = first.addDays(364);
    for (QDate day = first; day <= last; day = day.addDays(1)) {
        clock.set(QDateTime(day, QTime(18, 0)));
        QVERIFY(backups.make().problem.isEmpty());
        if (day == last.addDays(-20) || day == last.addDays(-40)) {
            clock.set(QDateTime(day, QTime(19, 0)));
            QVERIFY(backups.safeguard(QStringLiteral("clear-history")));
        }
    }
    QSet<QDate> days;
    QStringList destructive;
    for (const BackupSetEntry& set : listBackupSets(backups.folder())) {
        QCOMPARE(set.state, BackupManifest::State::Good);
        if (set.reason.isEmpty())
            days.insert(set.moment.date());
        else
            destructive.append(set.reason + set.moment.date().toString(Qt::ISODate));
    }
    for (int back = 0; back < 7; ++back)
        QVERIFY2(days.contains(last.addDays(-back)), "one of the last 7 days lost its set");
    for (int week = 1; week < 4; ++week) {
        const QDate sunday = last.addDays(-last.dayOfWeek() - 7 * (week - 1));
        QVERIFY2(days.contains(sunday), "one of the last 4 weeks lost its newest set");
    }
    for (int month = 1; month < 12; ++month) {
        const QDate end = QDate(last.year(), last.month(), 1).addMonths(-month + 1).addDays(-1);
        QVERIFY2(days.contains(end), "one of the last 12 months lost its newest set");
    }
    QVERIFY2(days.size() <= 7 + 4 + 12, "rotation keeps more than it promises");
    QCOMPARE(destructive, QStringList { "clear-history" + last.addDays(-20).toString(Qt::ISODate) });
}

void tst_Backups::fullDiskNeverRemovesTheOnlyGoodSet()
{
    const QDateTime now(QDate(2026, 5, 1), QTime(18, 0));
    const auto set = [&now](int daysAgo, BackupManifest::State state, const QString& reason = QString()) {
        return BackupSetEntry { QString::number(daysAgo) + reason, now.addDays(-daysAgo), reason, state, 100, {} };
    };
    using State = BackupManifest::State;
    const QList<BackupSetEntry> sets { set(0, State::Bad), set(1, State::Good), set(2, State::Good, "import"),
        set(3, State::Good), set(4, State::Bad) };
    QCOMPARE(setsToFreeSpace(sets, 300, 0), (QStringList { "4", "0", "3" }));
    QCOMPARE(setsToFreeSpace(sets, 10'000, 0), (QStringList { "4", "0", "3", "2import" }));
    QCOMPARE(setsToFreeSpace(sets, 100, 100), QStringList());
}

void tst_Backups::destructiveActionsLeaveASetFirst_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("backupWorks");
    for (const bool works : { true, false }) {
        const char* suffix = works ? "" : ", refused when no backup can be made";
        QTest::addRow("clearing the history%s", suffix) << "clear-history" << works;
        QTest::addRow("an import%s", suffix) << "import" << works;
        QTest::addRow("undoing an import%s", suffix) << "undo-import" << works;
    }
}

void tst_Backups::destructiveActionsLeaveASetFirst()
{
    QFETCH(QString, action);
    QFETCH(bool, backupWorks);
    writeData(30);
    Backups backups(clock);
    if (!backupWorks)
        backups.setFolder(workspace->filePath("unplugged-stick"));
    DatabaseHistory history(clock);
    FileStudentList students(QStringLiteral("students.lst"));
    if (action == "undo-import")
        QVERIFY(students.importStudents({ Student("Cy Oh", "s3", QString()) }));
    const auto safeguard = [&backups](const QString& name) { return backups.safeguard(name); };
    history.setSafeguard(safeguard);
    students.setSafeguard(safeguard);
    const int studentsBefore = students.count();

    const bool done = action == "clear-history" ? history.clear()
        : action == "import"                    ? students.importStudents({})
                                                : students.undoImport();
    QCOMPARE(done, backupWorks);
    if (!backupWorks) {
        QCOMPARE(history.count(AllYears), qsizetype(30));
        QCOMPARE(students.count(), studentsBefore);
        return;
    }
    const BackupSetEntry newest = listBackupSets(backups.folder()).value(0);
    QCOMPARE(newest.reason, action);
    const BackupManifest manifest = BackupManifest::load(QDir(newest.folder).filePath(ManifestName));
    QCOMPARE(manifest.file("history")->rows, qint64(30));
    QCOMPARE(manifest.file("students.lst")->rows, qint64(studentsBefore));
}

void tst_Backups::failingFolderIsReportedAndRetried_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("a missing folder (a stick pulled)") << false;
    QTest::newRow("a read-only folder") << true;
}

void tst_Backups::failingFolderIsReportedAndRetried()
{
    QFETCH(bool, readOnly);
    writeData(10);
    const QString folder = workspace->filePath("stick");
    if (readOnly) {
        QVERIFY(QDir().mkdir(folder));
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    }
    Backups backups(clock);
    backups.setFolder(folder);
    DatabaseHistory history(clock);
    QVERIFY(backups.start());
    QVERIFY(history.add(Student("Ann Lee", "s1", QString()), Item("Flute", 1)));
    QTRY_VERIFY(!backups.running());
    QVERIFY(!backups.status().failure.isEmpty());
    QVERIFY(backups.needsAttention());
    QVERIFY2(!backups.due(), "a failure is tried again at once, over and over");
    clock.set(clock.now().addSecs(15 * 60));
    QVERIFY2(backups.due(), "a failure is never tried again");

    readOnly ? QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner)
             : QDir().mkdir(folder);
    QVERIFY(backups.start());
    QTRY_VERIFY(!backups.running());
    QCOMPARE(backups.status().failure, QString());
    QVERIFY(!backups.needsAttention());
    QCOMPARE(history.count(AllYears), qsizetype(11));
}

void tst_Backups::restoreBringsBackEveryRowAndKeepsTheFilesAside()
{
    writeData(40);
    const QString set = makeGoodSet();
    const QString rows = QStringLiteral("SELECT group_concat(moment || name || id || item || number, '|') FROM "
                                        "(SELECT * FROM history ORDER BY rowid)");
    const QVariant before = querySql("history", rows);
    const QByteArray studentsBefore = workspace->readFile("students.lst");
    {
        DatabaseHistory history(clock);
        QVERIFY(history.clear());
        FileStudentList students(QStringLiteral("students.lst"));
        QVERIFY(students.setStudents({}));
    }
    const QByteArray studentsAfterClear = workspace->readFile("students.lst");

    const auto [restored, report] = restoreBackupSet(set, QDir::currentPath(), clock.now());
    QVERIFY2(restored, qPrintable(report));
    QCOMPARE(querySql("history", rows), before);
    QCOMPARE(workspace->readFile("students.lst"), studentsBefore);
    const QString aside = "before-restore-" + clock.now().toString("yyyy-MM-ddTHH-mm-ss");
    QCOMPARE(workspace->readFile(aside + "/students.lst"), studentsAfterClear);
    QCOMPARE(querySql(aside + "/history", "SELECT count(*) FROM history").toInt(), 0);
    QVERIFY(isOwnerOnly("history"));
    DatabaseHistory history(clock);
    QCOMPARE(history.problem(), QString());
    QCOMPARE(history.count(AllYears), qsizetype(40));
}

void tst_Backups::restoreRefusesABadSet_data()
{
    QTest::addColumn<QString>("damage");
    QTest::newRow("a damaged history") << "flip";
    QTest::newRow("an incomplete set") << "incomplete";
    QTest::newRow("a set of a newer release") << "newer";
}

void tst_Backups::restoreRefusesABadSet()
{
    QFETCH(QString, damage);
    writeData(5);
    const QString set = makeGoodSet();
    const QString manifestFile = QDir(set).filePath(ManifestName);
    if (damage == "flip") {
        QVERIFY(runSql(QDir(set).filePath("history"), { "DELETE FROM history WHERE rowid = 1" }));
    } else if (damage == "incomplete") {
        QVERIFY(QFile::remove(QDir(set).filePath("inventory")));
    } else {
        BackupManifest manifest = BackupManifest::load(manifestFile);
        manifest.release = "99.0";
        QVERIFY(manifest.save(manifestFile));
    }
    const QByteArray history = workspace->readFile("history");
    const auto [restored, report] = restoreBackupSet(set, QDir::currentPath(), clock.now());
    QVERIFY(!restored);
    QCOMPARE(workspace->readFile("history"), history);
    QVERIFY2(!QDir().exists("before-restore-" + clock.now().toString("yyyy-MM-ddTHH-mm-ss")), "files moved aside");
}

QTEST_GUILESS_MAIN(tst_Backups)
#include "tst_Backups.moc"
