// Measures the kiosk on a data folder written by generateData, or on the
// PostgreSQL database that the kiosk's settings name (where that folder was
// copied with --copy-folder-to-database):
//   benchmark FOLDER [REPEATS [PART...]]
// Every figure is the median of REPEATS runs (default 7) after one warm-up run.
// PARTs (startup, signout, scan, history, usage, students, inventory, export on
// the files; startup, signout, history, usage, race on a database; default all) narrow
// the run down, e.g. for a profiler.
// Beside every database operation stands its floor: the same SQL run directly
// through the database's C API (SQLite's on the same file, or libpq), reading
// every column of every row.
// Changes the data in FOLDER or the database (sign-outs, a rewritten student list).
#include "LibpqConnection.h"
#include "SqliteConnection.h"
#include "Table.h"
#include "measuring.h"
#include "signOutSteps.h"

#include "app/Kiosk.h"
#include "app/openStores.h"
#include "pages/HistoryWidget.h"
#include "pages/SignOutWidget.h"
#include "pages/UsageWidget.h"
#include "stores/Backups.h"
#include "stores/FileStudentList.h"
#include "stores/ImportPreview.h"
#include "stores/fileAccess.h"
#include "stores/historyCsv.h"
#include "stores/itemCode.h"
#include "stores/passwordHash.h"
#include "stores/studentCsv.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCommandLinkButton>
#include <QDateEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProcess>
#include <QSaveFile>
#include <QScrollBar>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QTreeView>
#include <QWindow>

#include <cstdio>
#include <memory>
#include <optional>
#include <thread>

namespace {

// The statements of the stores, for the floors.
const char* const HistoryRange = "SELECT * FROM history WHERE dateTime >= ? AND dateTime < ? ";
const char* const StudentWord = "AND studentName || ' (' || studentId || ')' LIKE '%' || ? || '%' ";
const char* const InRecordingOrder = "ORDER BY rowid";
const char* const InventoryTerm
    = "SELECT ?, ? WHERE NOT EXISTS (SELECT * FROM inventory WHERE name = ? AND number = ?)";

QByteArray historyQuery(bool studentWord)
{
    return QByteArray(HistoryRange) + (studentWord ? StudentWord : "") + InRecordingOrder;
}

QVariantList dayRange(const QDate& from, const QDate& to)
{
    return { from.startOfDay().toMSecsSinceEpoch(), to.addDays(1).startOfDay().toMSecsSinceEpoch() };
}

QByteArray inventoryInsert(int items)
{
    QByteArrayList terms;
    for (int i = 0; i < items; ++i)
        terms.append(InventoryTerm);
    return "INSERT OR IGNORE INTO inventory " + terms.join(" UNION ");
}

qint64 startUp()
{
    std::unique_ptr<Kiosk> kiosk;
    const qint64 elapsed = nanoseconds([&] {
        kiosk = std::make_unique<Kiosk>();
        kiosk->showFullScreen();
        QCoreApplication::processEvents();
    });
    kiosk.reset();
    return elapsed;
}

void measureStartUp(Table& table, const QString& folder, int repeats)
{
    QTemporaryDir empty;
    QDir::setCurrent(empty.path());
    const double emptyMs = medianMs(repeats, startUp);

    QDir::setCurrent(folder);
    // The first start on a history of the first release upgrades it, once:
    // indexes and search tables, the passwords scrubbed and the file rewritten.
    const qint64 first = startUp();
    const double largeMs = medianMs(repeats, startUp);

    table.time("first start-up (upgrades an older history once)", first / 1e6);
    table.time("start-up, empty data", emptyMs);
    table.add("start-up, this data", Table::milliseconds(largeMs), {}, QString::number(largeMs / emptyMs, 'f', 2),
        "<= 1.5 x empty, < 250 ms");
}

void measureStartUpOnDatabase(Table& table, int repeats)
{
    table.time("start-up on the database (connect, read the students and items, show)", medianMs(repeats, startUp),
        "< 250 ms");
}

/// A student with a registered password still in plain text (as the data
/// generator writes them; an earlier run hashed some) and items nobody has
/// signed out today.
std::pair<Student, QList<Item>> signOutCandidates(Kiosk& kiosk)
{
    std::optional<Student> registered;
    for (int i = 0; i < kiosk.students.count() && !registered; ++i) {
        const QString& password = kiosk.students.at(i).password();
        if (!password.isNull() && !isPasswordHash(password))
            registered = kiosk.students.at(i);
    }
    if (!registered)
        qFatal("No student with a plain password");

    const QDate today = kiosk.clock.today();
    QList<Item> free = kiosk.inventory.items();
    for (const Entry& entry : kiosk.history.entries(today, today, {}, {}))
        free.removeAll(entry.item());
    return { *registered, free };
}

/// What a measured sign-out does beside recording the row: its floor
/// checks the password when the sign-out does, and never draws.
enum class SignOutSteps { Whole, ApartFromPassword, ApartFromPasswordAndDrawing };

// The data holds plain passwords, as an older release left them: the warm-up
// run replaces the student's by its hash, and the timed runs check the hash.
void measureSignOut(Table& table, Kiosk& kiosk, FloorConnection& history, int repeats,
    const QString& operation = "one sign-out (verify with one password check, add, today's log redrawn)",
    SignOutSteps steps = SignOutSteps::Whole)
{
    const bool checkPassword = steps == SignOutSteps::Whole;
    auto [student, free] = signOutCandidates(kiosk);
    const QString hash = hashPassword(student.password());
    QWidget* log = child<QTreeView>(child<SignOutWidget>(&kiosk.window), "entryView")->viewport();
    const QDate today = QDate::currentDate();
    const auto [ms, floorMs] = medianMsInTurns(
        repeats,
        [&] {
            const Item item = free.takeFirst();
            return nanoseconds([&] {
                if (checkPassword) {
                    const auto [accepted, record] = kiosk.verifier.verify(student.id(), student.password(), item);
                    if (!accepted || !kiosk.history.add(record, item))
                        qFatal("The sign-out of %s was refused", qPrintable(item.toString()));
                } else if (signOutApartFromPassword(kiosk.students, kiosk.history, kiosk.clock, student.id(), item)
                    != SignOutOutcome::Recorded) {
                    qFatal("The sign-out of %s was refused", qPrintable(item.toString()));
                }
                if (steps != SignOutSteps::ApartFromPasswordAndDrawing)
                    log->repaint();
            });
        },
        [&] {
            const Item item = free.takeFirst();
            return nanoseconds([&] {
                if (checkPassword && !passwordMatches(hash, student.password()))
                    qFatal("The password check failed");
                history.run(historyQuery(false), dayRange(today, today));
                history.addToHistory(student, item);
            });
        });
    table.againstFloor(operation, ms, floorMs, checkPassword ? "<= 2 x floor, < 150 ms" : "<= 2 x floor");
}

/// A backup of the kiosk's files on its own thread, and what a sign-out (apart
/// from the password check) waits meanwhile, beyond its time without one.
void measureBackup(Table& table, Kiosk& kiosk, int repeats)
{
    auto [student, free] = signOutCandidates(kiosk);
    const auto signOut = [&, id = student.id()] {
        const Item item = free.takeFirst();
        return nanoseconds([&] {
            if (signOutApartFromPassword(kiosk.students, kiosk.history, kiosk.clock, id, item)
                != SignOutOutcome::Recorded)
                qFatal("The sign-out of %s was refused", qPrintable(item.toString()));
        });
    };
    // Enough sign-outs alone that their worst shows what a loaded machine
    // adds without any backup, beside the worst during one.
    std::vector<qint64> alone;
    for (int i = 0; i < 300; ++i)
        alone.push_back(signOut());
    const double aloneMs = medianMs(alone);
    Backups& backups = *kiosk.stores->backups();
    std::vector<qint64> backupNs;
    std::vector<qint64> during;
    for (int run = 0; run < repeats; ++run) {
        QElapsedTimer timer;
        timer.start();
        backups.start();
        while (backups.running() && free.size() > 1) {
            during.push_back(signOut());
            QCoreApplication::processEvents();
        }
        while (backups.running())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        backupNs.push_back(timer.nsecsElapsed());
        if (!backups.status().failure.isEmpty())
            qFatal("%s", qPrintable(backups.status().failure));
    }
    if (during.empty())
        qFatal("No sign-out was made during a backup");
    table.time("backup of the files (online copy, verified), start to a good set", medianMs(backupNs));
    table.time(QString("one sign-out apart from the password check during a backup, extra wait, median (%L1 runs)")
                   .arg(during.size()),
        medianMs(during) - aloneMs, "< 100 ms");
    table.time("one sign-out apart from the password check during a backup, extra wait, worst",
        *std::max_element(during.begin(), during.end()) / 1e6 - aloneMs, "< 100 ms");
    table.time(QString("one sign-out apart from the password check without a backup, worst less median (%L1 runs)")
                   .arg(alone.size()),
        *std::max_element(alone.begin(), alone.end()) / 1e6 - aloneMs);
}

void measurePasswords(Table& table, Kiosk& kiosk, int repeats, bool onDatabase)
{
    const QString hash = hashPassword(QStringLiteral("secret"));
    const double checkMs = medianMs(repeats, [&] { return nanoseconds([&] { passwordMatches(hash, "wrong"); }); });
    table.time("one password check (Argon2id, 19 MiB, 2 passes)", checkMs);

    // Students without a password yet, one for each run.
    QStringList unregistered;
    for (int i = 0; i < kiosk.students.count(); ++i)
        if (kiosk.students.at(i).password().isNull())
            unregistered.append(kiosk.students.at(i).id());
    const double registerMs = medianMs(repeats, [&] {
        const QString id = unregistered.takeFirst();
        return nanoseconds([&] { kiosk.students.setPassword(id, hashPassword(QStringLiteral("first"))); });
    });
    table.time(onDatabase ? QString("first registration (hash, the student's row updated)")
                          : QString("first registration (hash, %L1 students saved)").arg(kiosk.students.count()),
        registerMs);
}

/// Sends \a key to \a window as the window system does, stamped \a time.
void sendKey(QWindow* window, int key, const QString& text, quint64 time)
{
    for (const QEvent::Type type : { QEvent::KeyPress, QEvent::KeyRelease }) {
        QKeyEvent event(type, key, Qt::NoModifier, text);
        event.setTimestamp(time);
        QCoreApplication::sendEvent(window, &event);
    }
}

void measureScan(Table& table, Kiosk& kiosk, int repeats)
{
    QWindow* window = kiosk.window.windowHandle();
    auto* itemBox = child<QComboBox>(child<SignOutWidget>(&kiosk.window), "itemBox");
    const QList<Item> items = kiosk.inventory.items();
    quint64 time = 0;
    int scans = 0;
    // A scanner types a key every 5 ms; each scan picks another item.
    const double ms = medianMs(repeats, [&] {
        const Item item = items.at(scans++ % 2 ? 0 : items.size() - 1);
        time += 60'000;
        for (const QChar c : itemCode(item))
            sendKey(window, c.unicode(), c, time += 5);
        const qint64 elapsed = nanoseconds([&] {
            sendKey(window, Qt::Key_Return, QStringLiteral("\r"), time += 5);
            itemBox->repaint();
        });
        if (itemBox->currentText() != item.toString())
            qFatal("The scan of %s selected %s", qPrintable(item.toString()), qPrintable(itemBox->currentText()));
        return elapsed;
    });
    table.time(
        QString("scan of a label: Enter to the item shown selected (%L1 items)").arg(items.size()), ms, "< 16 ms");
}

/// The usage page on each of its tabs, from a change of the range (its first
/// day moved by one, back and forth) to the tab drawn, over all years and over
/// a term.
void measureUsagePage(Table& table, Kiosk& kiosk, int repeats)
{
    child<QAction>(&kiosk.window, "actionSettings")->trigger();
    child<QCommandLinkButton>(&kiosk.window, "usageButton")->click();
    QCoreApplication::processEvents();
    auto* page = child<UsageWidget>(&kiosk.window);
    auto* fromDate = child<QDateEdit>(page, "usageFromDate");
    auto* studentBox = child<QLineEdit>(page, "usageStudentBox");
    auto* tabs = child<QTabWidget>(page, "usageTabs");
    const QDate today = kiosk.clock.today();
    const auto drawnFrom = [&](const QDate& from) {
        return [&, from] {
            fromDate->setDate(fromDate->date() == from ? from.addDays(-1) : from);
            page->repaint();
        };
    };
    const QList<std::pair<QString, QDate>> ranges { { "all years", today.addYears(-10) },
        { "a term (120 days)", today.addDays(-119) } };
    for (const auto& [range, from] : ranges) {
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            table.timeAndProcessor(QString("usage page: %1, %2").arg(range, tabs->tabText(tab).toLower()),
                medianMsAndProcessor(repeats, drawnFrom(from)), from.daysTo(today) > 120 ? "< 200 ms" : "< 50 ms");
        }
    }
    tabs->setCurrentIndex(0);
    studentBox->setText(QStringLiteral("Nowak"));
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        table.timeAndProcessor(
            QString("usage page: all years, student word \"Nowak\", %1").arg(tabs->tabText(tab).toLower()),
            medianMsAndProcessor(repeats, drawnFrom(today.addYears(-10))), "< 200 ms");
    }
    tabs->setCurrentIndex(0);
    studentBox->clear();
}

/// The history page over years of data: each change timed from the click to
/// the first screen of rows drawn (the view reads the rows it draws).
void measureHistoryPage(Table& table, Kiosk& kiosk, FloorConnection& history, int repeats, const QString& word)
{
    child<QCheckBox>(&kiosk.window, "historyButton")->click();
    QCoreApplication::processEvents();
    const auto* page = child<HistoryWidget>(&kiosk.window);
    auto* fromDate = child<QDateEdit>(page, "fromDate");
    auto* studentBox = child<QLineEdit>(page, "studentBox");
    auto* view = child<QTreeView>(page, "entryView");
    QHeaderView* header = view->header();
    const QAbstractItemModel* model = view->model();
    const QDate today = kiosk.clock.today();
    const QDate yearAgo = today.addYears(-1).addDays(1);
    const QDate allYears = today.addYears(-10);
    const auto firstScreen = [view](auto change) {
        return nanoseconds([&] {
            change();
            view->viewport()->repaint();
        });
    };
    const auto show = [&](const QDate& from, const QString& searched) {
        fromDate->setDate(from);
        studentBox->setText(searched);
        view->viewport()->repaint();
    };

    show(today, {});
    // The first search of a history never searched before (one just moved
    // into a database) first folds the texts of all its students and items.
    const qint64 firstSearch = firstScreen([&] { studentBox->setText(word); });
    show(today, {});
    table.time(QString("history page: first search of the run (today, word \"%1\")").arg(word), firstSearch / 1e6);
    const double allYearsMs = medianMs(repeats, [&] {
        const qint64 elapsed = firstScreen([&] { fromDate->setDate(allYears); });
        show(today, {});
        return elapsed;
    });
    show(allYears, {});
    table.time(QString("history page: all years, no word (%L1 rows), to the first screen").arg(model->rowCount()),
        allYearsMs, "< 100 ms");
    table.add("resident memory, history page showing all years", Table::megabytes(residentKb()), {}, {}, "< 150 MB");

    // The first sort by a name of the run also ranks the history's names in the language in use.
    for (const auto& [section, name] : { std::pair(1, "student"), std::pair(2, "item") }) {
        const qint64 firstSort
            = firstScreen([&, section = section] { header->setSortIndicator(section, Qt::AscendingOrder); });
        header->setSortIndicator(0, Qt::DescendingOrder);
        table.time(QString("history page: all years, first sort by %1 of the run (names ranked)").arg(name),
            firstSort / 1e6, "< 300 ms");
    }
    for (const auto& [section, name] : { std::pair(1, "student"), std::pair(2, "item"), std::pair(0, "time") }) {
        const double sortMs = medianMs(repeats, [&, section = section] {
            const qint64 elapsed = firstScreen([&] { header->setSortIndicator(section, Qt::AscendingOrder); });
            header->setSortIndicator(0, Qt::DescendingOrder);
            return elapsed;
        });
        table.time(QString("history page: all years sorted by %1 (header click)").arg(name), sortMs, "< 300 ms");
    }

    // Dragging the scroll bar from the top to the end, a step a frame.
    QScrollBar* bar = view->verticalScrollBar();
    for (const auto& [section, name] : { std::pair(0, "time"), std::pair(1, "student") }) {
        header->setSortIndicator(section, section ? Qt::AscendingOrder : Qt::DescendingOrder);
        qint64 longestStep = 0;
        for (int step = 0; step <= 100; ++step)
            longestStep = std::max(longestStep, firstScreen([&] { bar->setValue(bar->maximum() / 100 * step); }));
        table.time(QString("history page: all years by %1 scrolled top to end, longest of 100 steps").arg(name),
            longestStep / 1e6, "no pause");
    }
    header->setSortIndicator(0, Qt::DescendingOrder);

    for (const QDate& from : { allYears, yearAgo }) {
        int rows = 0;
        const double ms = medianMs(repeats, [&] {
            show(from, {});
            const qint64 elapsed = firstScreen([&] { studentBox->setText(word); });
            rows = model->rowCount();
            return elapsed;
        });
        if (from == allYears) {
            table.time(
                QString("history page: all years, student word \"%1\" (%L2 rows)").arg(word).arg(rows), ms, "< 100 ms");
            continue;
        }
        QVariantList values = dayRange(yearAgo, today);
        values.append(word);
        const double floorMs
            = medianMs(repeats, [&] { return nanoseconds([&] { history.run(historyQuery(true), values); }); });
        table.againstFloor(QString("history page: one year, student word \"%1\" (%L2 rows)").arg(word).arg(rows), ms,
            floorMs, "<= 1.1 x floor");
    }

    // Left on all years while the kiosk is back on the sign-out page.
    show(allYears, {});
    child<QCheckBox>(&kiosk.window, "signOutButton")->click();
    QCoreApplication::processEvents();
    // Apart from the password check, whose time varies more than what is compared here.
    measureSignOut(table, kiosk, history, repeats,
        "one sign-out apart from the password check, history page left on all years", SignOutSteps::ApartFromPassword);
    child<QCheckBox>(&kiosk.window, "historyButton")->click();
    show(today, {});
}

void measureStudents(Table& table, Kiosk& kiosk, int repeats)
{
    QAbstractItemModel* model = child<QTreeView>(&kiosk.window, "studentView")->model();
    const double refreshMs
        = medianMs(repeats, [&] { return nanoseconds([&] { model->sort(0, Qt::AscendingOrder); }); });
    table.time(QString("student table model refresh (%L1 students)").arg(model->rowCount()), refreshMs, "< 30 ms");

    QFile::remove("students-copy.lst");
    QFile::copy("students.lst", "students-copy.lst");
    const double loadMs = medianMs(repeats, [] {
        std::unique_ptr<FileStudentList> list;
        return nanoseconds([&] { list = std::make_unique<FileStudentList>("students-copy.lst"); });
    });
    const double saveMs = medianMs(repeats, [] {
        auto list = std::make_unique<FileStudentList>("students-copy.lst");
        return nanoseconds([&] { list.reset(); });
    });
    table.time("students.lst load", loadMs, "< 15 ms");
    table.time("students.lst save", saveMs, "< 15 ms");

    // As the students page does it: read, preview against the current list, import.
    FileStudentList imported("students-import.lst");
    const double importMs = medianMs(repeats, [&] {
        return nanoseconds([&] {
            auto [opened, csv]
                = withFile("students.csv", QIODevice::ReadOnly, [](QFile& file) { return readStudentCsv(file); });
            if (!opened)
                qFatal("Cannot open students.csv");
            QList<Student> current;
            for (int i = 0; i < imported.count(); ++i)
                current.append(imported.at(i));
            imported.importStudents(ImportPreview(std::move(csv), std::move(current)).students(true));
        });
    });
    table.time(QString("CSV import (%L1 lines, read, preview and import)").arg(imported.count()), importMs, "< 30 ms");
}

/// The history of all years out to a CSV file, as "Export History..." writes it.
void measureExport(Table& table, Kiosk& kiosk, int repeats)
{
    HistoryQuery query;
    query.to = kiosk.clock.today();
    query.from = query.to.addYears(-10);
    const qsizetype rows = kiosk.history.count(query);
    const long residentBefore = residentKb();
    long growth = 0;
    // At most three runs: each one writes the whole history.
    const double ms = medianMs(std::min(repeats, 3), [&] {
        QSaveFile file(QStringLiteral("history-export.csv"));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("Cannot write history-export.csv");
        const qint64 elapsed = nanoseconds([&] {
            if (writeHistoryCsv(file, kiosk.history, query) != HistoryCsvResult::Written || !file.commit())
                qFatal("The export failed");
        });
        growth = std::max(growth, residentKb() - residentBefore);
        return elapsed;
    });
    table.time(QString("history export to CSV, all years (%L1 rows, %2 MB)")
                   .arg(rows)
                   .arg(QFileInfo(QStringLiteral("history-export.csv")).size() / 1e6, 0, 'f', 0),
        ms, "< 5 s");
    table.add("resident memory growth through the export", Table::megabytes(growth), {}, {}, "flat");
    QFile::remove(QStringLiteral("history-export.csv"));
}

void measureInventory(Table& table, Kiosk& kiosk, SqliteConnection& inventory, int repeats)
{
    QList<Item> run;
    QVariantList values;
    for (int number = 1; number <= 99; ++number) {
        run.append(Item(QStringLiteral("Benchmark Drum"), number));
        values << run.last().name() << number << run.last().name() << number;
    }
    const int before = int(kiosk.inventory.items().size());
    const double ms = medianMs(repeats, [&] {
        const qint64 elapsed = nanoseconds([&] { kiosk.inventory.addItems(run); });
        kiosk.inventory.removeItems(run);
        return elapsed;
    });
    const double floorMs = medianMs(repeats, [&] {
        const qint64 elapsed = nanoseconds([&] {
            inventory.run(inventoryInsert(int(run.size())), values);
            inventory.run("SELECT * FROM inventory");
        });
        inventory.run("DELETE FROM inventory WHERE name = 'Benchmark Drum'");
        return elapsed;
    });
    table.againstFloor(QString("add 99 items to %L1 (all views reload)").arg(before), ms, floorMs, "");
}

// Eight kiosks on one database signing out as fast as they can: each a
// process of its own, as at a school.
constexpr int RaceKiosks = 8;
constexpr int RaceSeconds = 30;
// Each race day, every kiosk's clock moves a day on (see raceKiosk), so that
// the inventory's items go out again and again.
constexpr int RaceDaySeconds = 5;

struct RaceTally
{
    int kiosks = 0;
    qint64 outcomes[4] = {};
    qint64 eventsNs = 0;
    qint64 cpuNs = 0;
    std::vector<qint64> recordedNs;
    std::vector<qint64> allNs;
    std::vector<std::pair<qint64, qint64>> recordedInTurn; // (ended, nanoseconds)
};

/// Adds the report of one racing kiosk to \a tally.
void tallyRaceKiosk(RaceTally& tally, QProcess& kiosk)
{
    // A filled day has no time limit: sixteen kiosks on two cores take minutes.
    if (!kiosk.waitForFinished((RaceSeconds + 900) * 1000) || kiosk.exitCode() != 0)
        qFatal("A racing kiosk failed");
    const QList<QByteArray> lines = kiosk.readAllStandardOutput().split('\n');
    const QList<QByteArray> done = lines.first().split(' ');
    if (done.size() != 3 || done.first() != "done")
        qFatal("A racing kiosk did not report");
    ++tally.kiosks;
    tally.eventsNs += done.at(1).toLongLong();
    tally.cpuNs += done.at(2).toLongLong();
    for (const QByteArray& line : lines.mid(1)) {
        const QList<QByteArray> signOut = line.split(' ');
        if (signOut.size() != 3)
            continue;
        const int outcome = signOut.at(0).toInt();
        if (outcome < 0 || outcome >= int(std::size(tally.outcomes)))
            qFatal("A racing kiosk reported nonsense");
        const qint64 ns = signOut.at(1).toLongLong();
        ++tally.outcomes[outcome];
        tally.allNs.push_back(ns);
        if (outcome == int(SignOutOutcome::Recorded)) {
            tally.recordedNs.push_back(ns);
            tally.recordedInTurn.push_back({ signOut.at(2).toLongLong(), ns });
        }
    }
}

/// The refused sign-outs of \a tally: seen out / lost at the add / failed.
QString refusals(const RaceTally& tally)
{
    return QString("%L1 / %L2 / %L3")
        .arg(tally.outcomes[int(SignOutOutcome::SeenOut)])
        .arg(tally.outcomes[int(SignOutOutcome::LostRace)])
        .arg(tally.outcomes[int(SignOutOutcome::Failed)]);
}

/// The share of the kiosks' time over \a seconds spent taking in the others' changes.
QString takingIn(const RaceTally& tally, double seconds)
{
    return QString("%1 %").arg(100.0 * double(tally.eventsNs) / (tally.kiosks * seconds * 1e9), 0, 'f', 0);
}

/// A day the kiosks fill: each signs out this many items of its share of the
/// inventory on the day this many days ahead.
struct FilledDay
{
    int signOuts = 0;
    int daysAhead = 0;
};

/// \a count racing kiosks started, and told to go once all are ready; with
/// \a day they fill that day instead.
std::vector<std::unique_ptr<QProcess>> startRace(
    const QString& connection, int count, std::optional<FilledDay> day = std::nullopt)
{
    std::vector<std::unique_ptr<QProcess>> kiosks;
    for (int i = 0; i < count; ++i) {
        kiosks.push_back(std::make_unique<QProcess>());
        kiosks.back()->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // A filled day stands still: its kiosks' clocks do not move on.
        QStringList arguments { connection, QString::number(RaceSeconds), QString::number(day ? 0 : RaceDaySeconds),
            QString::number(i + 1) };
        if (day)
            arguments << QString::number(count) << QString::number(day->signOuts) << QString::number(day->daysAhead);
        kiosks.back()->start(QCoreApplication::applicationDirPath() + QStringLiteral("/raceKiosk"), arguments);
    }
    for (const auto& kiosk : kiosks) {
        while (!kiosk->canReadLine())
            if (!kiosk->waitForReadyRead(120'000))
                qFatal("A racing kiosk did not start");
        if (kiosk->readLine().trimmed() != "ready")
            qFatal("A racing kiosk did not start");
    }
    const QByteArray go = "go " + QByteArray::number(QDateTime::currentMSecsSinceEpoch()) + '\n';
    for (const auto& kiosk : kiosks)
        kiosk->write(go);
    for (const auto& kiosk : kiosks)
        kiosk->waitForBytesWritten();
    return kiosks;
}

// What the kiosks recorded is then checked in the database: no item twice
// on one local day (the day taken from the moment, not from the day column
// that the rule is built on), and every sign-out a kiosk counted is there.
void measureRace(Table& table, const QString& connection, LibpqConnection& database)
{
    const qint64 before = database.number("SELECT coalesce(max(rowid), 0) FROM history");
    const double cpuBefore = childrenCpuSeconds();
    RaceTally tally;
    for (const auto& kiosk : startRace(connection, RaceKiosks))
        tallyRaceKiosk(tally, *kiosk);
    const double kioskCpu = childrenCpuSeconds() - cpuBefore;

    const QString zone = QString::fromUtf8(QTimeZone::systemTimeZoneId());
    const QByteArray localDay = "(to_timestamp(dateTime / 1000.0) AT TIME ZONE ?)::date";
    const qint64 doubles = database.number("SELECT count(*) FROM (SELECT itemName, itemNumber, " + localDay
            + " FROM history WHERE rowid > ? GROUP BY 1, 2, 3 HAVING count(*) > 1) "
              "AS doubles",
        { zone, before });
    const qint64 stored = database.number("SELECT count(*) FROM history WHERE rowid > ?", { before });
    const qint64 wrongDays = database.number(
        "SELECT count(*) FROM history WHERE rowid > ? AND day IS DISTINCT FROM " + localDay, { before, zone });
    const qint64 days = database.number("SELECT count(DISTINCT day) FROM history WHERE rowid > ?", { before });

    const qint64 recorded = tally.outcomes[int(SignOutOutcome::Recorded)];
    const qint64 attempts = qint64(tally.allNs.size());
    const QString race = QString("%1 kiosks racing %2 s, ").arg(RaceKiosks).arg(RaceSeconds);
    table.add(race + "sign-outs recorded per second, all kiosks",
        QString("%1 /s").arg(double(recorded) / RaceSeconds, 0, 'f', 0));
    table.add(race + "attempts per second (recorded or refused)",
        QString("%1 /s").arg(double(attempts) / RaceSeconds, 0, 'f', 0));
    table.add(race + "refused: seen out / lost at the add / failed", refusals(tally), {}, {}, "failed 0");
    table.time(race + "one sign-out apart from the hash, median", percentile(tally.recordedNs, 0.5) / 1e6);
    table.time(race + "one sign-out apart from the hash, 99th percentile", percentile(tally.recordedNs, 0.99) / 1e6,
        "< 50 ms");
    table.time(race + "one attempt (recorded or refused), 99th percentile", percentile(tally.allNs, 0.99) / 1e6);
    table.add(race + "time taking in the other kiosks' changes", takingIn(tally, RaceSeconds));
    table.add(race + "processor time of the kiosk processes, their start included",
        QString("%1 s of %2 s").arg(kioskCpu, 0, 'f', 1).arg(std::thread::hardware_concurrency() * RaceSeconds));
    table.add(race + QString("sign-outs a race day (a day every %1 s)").arg(RaceDaySeconds),
        QString::number(days ? stored / days : 0));
    table.add(race + "sign-outs in the database / counted by the kiosks",
        QString("%L1 / %L2").arg(stored).arg(recorded), {}, {}, "equal");
    table.add(
        race + "double sign-outs in the database (an item twice a local day)", QString::number(doubles), {}, {}, "0");
    table.add(race + "rows whose day is not their moment's local day", QString::number(wrongDays), {}, {}, "0");
}

// The kiosks fill one day between them, each signing out 1,000 items: a
// sign-out late in the day should cost what one early in the day costs.
// Returns the kiosks' processor time per sign-out in milliseconds, taking in
// the others' sign-outs included.
double measureRaceDay(Table& table, const QString& connection, int kiosks, int daysAhead)
{
    constexpr int Part = 1000;
    RaceTally tally;
    QElapsedTimer day;
    day.start();
    for (const auto& kiosk : startRace(connection, kiosks, FilledDay { Part, daysAhead }))
        tallyRaceKiosk(tally, *kiosk);
    const double seconds = day.elapsed() / 1000.0;
    std::sort(tally.recordedInTurn.begin(), tally.recordedInTurn.end());
    const auto medianOf = [&](qsizetype from) {
        std::vector<qint64> times;
        for (qsizetype i = std::max<qsizetype>(from, 0);
             i < std::min<qsizetype>(from + Part, qsizetype(tally.recordedInTurn.size())); ++i)
            times.push_back(tally.recordedInTurn.at(i).second);
        return times.empty() ? 0.0 : medianMs(times);
    };
    const qsizetype recorded = qsizetype(tally.recordedInTurn.size());
    const double cpuMs = recorded ? double(tally.cpuNs) / double(recorded) / 1e6 : 0.0;
    const QString race = QString("%1 kiosks filling one day (%L2 sign-outs), ").arg(kiosks).arg(recorded);
    table.time(race + "one sign-out apart from the hash, median of the first 1,000", medianOf(0));
    table.time(race + "one sign-out apart from the hash, median of the last 1,000", medianOf(recorded - Part),
        "<= 1.2 x first");
    table.time(race + "one sign-out apart from the hash, 99th percentile", percentile(tally.recordedNs, 0.99) / 1e6,
        "< 50 ms");
    table.time(race + "a kiosk's processor time per sign-out, taking in the others' included", cpuMs);
    table.add(race + "time taking in the other kiosks' changes", takingIn(tally, seconds));
    table.add(race + "refused: seen out / lost at the add / failed", refusals(tally), {}, {}, "0 / 0 / 0");
    return cpuMs;
}

// Two kiosks and then sixteen fill a day each, on days of their own: a
// kiosk's processor time per sign-out should not grow with the kiosks it
// hears. The inventory gets copies enough for sixteen kiosks' 1,000 items,
// more of each instrument rather than one new instrument: the kiosks would
// otherwise all count sign-outs of that one name at the end of the day.
void measureKioskScaling(Table& table, const QString& connection, LibpqConnection& database)
{
    constexpr int Many = 16;
    const qint64 lastBefore = database.number("SELECT coalesce(max(rowid), 0) FROM inventory");
    const qint64 missing = Many * 1000 - database.number("SELECT count(*) FROM inventory");
    const qint64 names = database.number("SELECT count(DISTINCT name) FROM inventory");
    if (missing > 0 && names > 0)
        database.run("INSERT INTO inventory (name, number) SELECT name, top + generate_series(1, ?) "
                     "FROM (SELECT name, max(number) AS top FROM inventory GROUP BY name) copies",
            { (missing + names - 1) / names });
    const double few = measureRaceDay(table, connection, 2, 30);
    const double many = measureRaceDay(table, connection, Many, 31);
    table.add(QString("a kiosk's processor time per sign-out, %1 kiosks / 2 kiosks").arg(Many),
        QString::number(few > 0 ? many / few : 0.0, 'f', 2), {}, {}, "<= 1.5");
    database.run("DELETE FROM inventory WHERE rowid > ?", { lastBefore });
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brindlow"));
    QApplication::setOrganizationName(QStringLiteral("Ostmere"));
    const QStringList arguments = application.arguments();
    if (arguments.size() < 2) {
        std::fprintf(stderr,
            "usage: benchmark FOLDER [REPEATS "
            "[startup|signout|scan|history|usage|students|inventory|export|backup|race]...]\n");
        return 2;
    }
    const QString folder = QDir(arguments.at(1)).absolutePath();
    const int repeats = arguments.size() > 2 ? std::max(1, arguments.at(2).toInt()) : 7;
    const QStringList parts = arguments.mid(3);
    // The kiosk keeps its data where its settings say; so does the benchmark.
    const QString connection = QSettings().value(DatabaseKey).toString();
    const bool onDatabase = !connection.isEmpty();
    const QStringList allParts = onDatabase
        ? QStringList { "startup", "signout", "history", "usage", "export", "race" }
        : QStringList { "startup", "signout", "scan", "history", "usage", "students", "inventory", "export", "backup" };
    const auto measured
        = [&](const char* part) { return allParts.contains(part) && (parts.isEmpty() || parts.contains(part)); };
    const QByteArray loadBefore = loadAverage();

    Table table;
    if (measured("startup") && onDatabase)
        measureStartUpOnDatabase(table, repeats);
    else if (measured("startup"))
        measureStartUp(table, folder, repeats);
    {
        QDir::setCurrent(folder);
        Kiosk kiosk;
        if (!kiosk.problem().isEmpty())
            qFatal("%s", qPrintable(kiosk.problem()));
        kiosk.showFullScreen();
        QCoreApplication::processEvents();
        std::unique_ptr<FloorConnection> history;
        if (onDatabase)
            history = std::make_unique<LibpqConnection>(connection);
        else
            history = std::make_unique<SqliteConnection>(QStringLiteral("history"));
        if (measured("signout")) {
            measureSignOut(table, kiosk, *history, repeats);
            measureSignOut(table, kiosk, *history, repeats,
                "one sign-out apart from the password check (the verifier's reads, add, log redrawn)",
                SignOutSteps::ApartFromPassword);
            measureSignOut(table, kiosk, *history, repeats,
                "the same without drawing the log (the verifier's reads, add, the views told)",
                SignOutSteps::ApartFromPasswordAndDrawing);
            measurePasswords(table, kiosk, repeats, onDatabase);
        }
        if (measured("scan"))
            measureScan(table, kiosk, repeats);
        if (measured("history"))
            measureHistoryPage(table, kiosk, *history, repeats, QStringLiteral("Nowak"));
        if (measured("usage"))
            measureUsagePage(table, kiosk, repeats);
        if (measured("students"))
            measureStudents(table, kiosk, repeats);
        if (measured("inventory")) {
            SqliteConnection inventory(QStringLiteral("inventory"));
            measureInventory(table, kiosk, inventory, repeats);
        }
        if (measured("export"))
            measureExport(table, kiosk, repeats);
        if (measured("backup"))
            measureBackup(table, kiosk, repeats);
    }
    table.add("peak resident memory (ru_maxrss)", Table::megabytes(peakResidentKb()), {}, {}, "< 150 MB");
    if (measured("race")) {
        LibpqConnection database(connection);
        measureRace(table, connection, database);
        measureKioskScaling(table, connection, database);
    }

    std::printf("Brindlow benchmark on %s: median of %d runs after a warm-up, load average %s -> %s\n",
        qPrintable(onDatabase ? connection : folder), repeats, loadBefore.constData(), loadAverage().constData());
    table.print();
    return 0;
}
