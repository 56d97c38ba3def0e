// Measures the kiosk on a data folder written by generateData:
//   benchmark FOLDER [REPEATS [PART...]]
// Every figure is the median of REPEATS runs (default 7) after one warm-up run.
// PARTs (startup, signout, scan, history, students, inventory, export; default all) narrow
// the run down, e.g. for a profiler.
// Beside every database operation stands its floor: the same SQL run directly
// on the same file through SQLite's C API, reading every column of every row.
// Changes the data in FOLDER (sign-outs, a rewritten student list).
#include "app/Kiosk.h"
#include "pages/HistoryWidget.h"
#include "pages/SignOutWidget.h"
#include "stores/ImportPreview.h"
#include "stores/fileAccess.h"
#include "stores/historyCsv.h"
#include "stores/itemCode.h"
#include "stores/passwordHash.h"
#include "stores/studentCsv.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSaveFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTreeView>
#include <QWindow>

#include <sqlite3.h>
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

namespace {

// The statements of the stores, for the floors.
const char* const HistoryRange = "SELECT * FROM history WHERE dateTime >= ? AND dateTime < ? ";
const char* const StudentWord = "AND studentName || ' (' || studentId || ')' LIKE '%' || ? || '%' ";
const char* const InRecordingOrder = "ORDER BY rowid";
const char* const HistoryInsert = "INSERT INTO history VALUES(?, ?, ?, ?, ?, ?)";
const char* const InventoryTerm
    = "SELECT ?, ? WHERE NOT EXISTS (SELECT * FROM inventory WHERE name = ? AND number = ?)";

template <typename T> T* child(const QObject* parent, const char* name = nullptr)
{
    T* found = parent->findChild<T*>(name ? QString::fromLatin1(name) : QString());
    if (!found)
        qFatal("No child %s", name ? name : T::staticMetaObject.className());
    return found;
}

template <typename Work> qint64 nanoseconds(Work work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed();
}

/// The median in milliseconds of \a repeats runs after a warm-up; \a run
/// returns the nanoseconds of the part it times.
template <typename Run> double medianMs(int repeats, Run run)
{
    run();
    std::vector<qint64> times;
    for (int i = 0; i < repeats; ++i)
        times.push_back(run());
    std::sort(times.begin(), times.end());
    const size_t middle = times.size() / 2;
    const qint64 median = times.size() % 2 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
    return double(median) / 1e6;
}

/// A connection of its own to a database file of the kiosk.
class Sqlite
{
public:
    explicit Sqlite(const QString& path)
    {
        // Without a mutex per connection, as Qt's SQLite driver opens its own.
        if (sqlite3_open_v2(
                QFile::encodeName(path).constData(), &database, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr)
            != SQLITE_OK)
            qFatal("Cannot open %s", qPrintable(path));
        sqlite3_busy_timeout(database, 1000);
    }
    ~Sqlite() { sqlite3_close(database); }
    Sqlite(const Sqlite&) = delete;
    Sqlite& operator=(const Sqlite&) = delete;

    /// Prepares \a sql, binds \a values, steps through every row reading every
    /// column in its stored type; returns the number of rows.
    int run(const QByteArray& sql, const QVariantList& values = {})
    {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(database, sql.constData(), int(sql.size()), &statement, nullptr) != SQLITE_OK)
            qFatal("Cannot prepare %s: %s", sql.constData(), sqlite3_errmsg(database));
        for (int i = 0; i < values.size(); ++i)
            bind(statement, i + 1, values.at(i));
        int rows = 0;
        int result;
        while ((result = sqlite3_step(statement)) == SQLITE_ROW) {
            ++rows;
            for (int column = 0; column < sqlite3_column_count(statement); ++column)
                read(statement, column);
        }
        if (result != SQLITE_DONE)
            qFatal("Cannot run %s: %s", sql.constData(), sqlite3_errmsg(database));
        sqlite3_finalize(statement);
        return rows;
    }

    qint64 checksum = 0;

private:
    static void bind(sqlite3_stmt* statement, int position, const QVariant& value)
    {
        if (!value.isValid()) {
            sqlite3_bind_null(statement, position);
        } else if (value.typeId() == QMetaType::QString) {
            const QByteArray text = value.toString().toUtf8();
            sqlite3_bind_text(statement, position, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        } else {
            sqlite3_bind_int64(statement, position, value.toLongLong());
        }
    }

    void read(sqlite3_stmt* statement, int column)
    {
        switch (sqlite3_column_type(statement, column)) {
        case SQLITE_INTEGER:
            checksum += sqlite3_column_int64(statement, column);
            break;
        case SQLITE_TEXT:
            checksum += *sqlite3_column_text(statement, column) + sqlite3_column_bytes(statement, column);
            break;
        default:
            break;
        }
    }

    sqlite3* database = nullptr;
};

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

long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

long peakResidentKb()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

QByteArray loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray("?");
}

class Table
{
public:
    void add(const QString& operation, const QString& program, const QString& floor = {}, const QString& ratio = {},
        const QString& target = {})
    {
        rows.append({ operation, program, floor, ratio, target });
    }

    void time(const QString& operation, double ms, const QString& target = {})
    {
        add(operation, milliseconds(ms), {}, {}, target);
    }

    void againstFloor(const QString& operation, double ms, double floorMs, const QString& target)
    {
        add(operation, milliseconds(ms), milliseconds(floorMs), QString::number(ms / floorMs, 'f', 2), target);
    }

    void print() const
    {
        const QStringList header { "operation", "program", "floor", "ratio", "target" };
        QList<qsizetype> widths(header.size());
        for (const QStringList& row : rows + QList<QStringList> { header })
            for (qsizetype i = 0; i < row.size(); ++i)
                widths[i] = std::max(widths[i], row.at(i).size());
        for (const QStringList& row : QList<QStringList> { header } + rows) {
            QString line = row.at(0).leftJustified(widths[0]);
            for (qsizetype i = 1; i < row.size() - 1; ++i)
                line += QLatin1String("  ") + row.at(i).rightJustified(widths[i]);
            line += QLatin1String("  ") + row.last();
            std::printf("%s\n", qPrintable(line.trimmed()));
        }
    }

    static QString milliseconds(double ms) { return QString::number(ms, 'f', ms < 10 ? 2 : 1) + " ms"; }
    static QString megabytes(long kb) { return QString::number(kb / 1024.0, 'f', 1) + " MB"; }

private:
    QList<QStringList> rows;
};

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

// The data holds plain passwords, as an older release left them: the warm-up
// run replaces the student's by its hash, and the timed runs check the hash.
void measureSignOut(Table& table, Kiosk& kiosk, Sqlite& history, int repeats,
                    const QString& operation = "one sign-out (verify with one password check, add, today's log redrawn)")
{
    auto [student, free] = signOutCandidates(kiosk);
    const QString hash = hashPassword(student.password());
    QWidget* log = child<QTreeView>(child<SignOutWidget>(&kiosk.window), "entryView")->viewport();
    const double ms = medianMs(repeats, [&] {
        const Item item = free.takeFirst();
        return nanoseconds([&] {
            const auto [accepted, record] = kiosk.verifier.verify(student.id(), student.password(), item);
            if (!accepted)
                qFatal("The sign-out of %s was refused", qPrintable(item.toString()));
            kiosk.history.add(record, item);
            log->repaint();
        });
    });
    const QDate today = QDate::currentDate();
    const double floorMs = medianMs(repeats, [&] {
        const Item item = free.takeFirst();
        return nanoseconds([&] {
            if (!passwordMatches(hash, student.password()))
                qFatal("The password check failed");
            history.run(historyQuery(false), dayRange(today, today));
            history.run(HistoryInsert,
                { QDateTime::currentMSecsSinceEpoch(), student.name(), student.id(), QVariant(), item.name(),
                    item.number() });
        });
    });
    table.againstFloor(operation, ms, floorMs, "<= 2 x floor, < 150 ms");
}

void measurePasswords(Table& table, Kiosk& kiosk, int repeats)
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
    table.time(QString("first registration (hash, %L1 students saved)").arg(kiosk.students.count()), registerMs);
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

/// The history page over years of data: each change timed from the click to
/// the first screen of rows drawn (the view reads the rows it draws).
void measureHistoryPage(Table& table, Kiosk& kiosk, Sqlite& history, int repeats, const QString& word)
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
    const double allYearsMs = medianMs(repeats, [&] {
        const qint64 elapsed = firstScreen([&] { fromDate->setDate(allYears); });
        show(today, {});
        return elapsed;
    });
    show(allYears, {});
    table.time(QString("history page: all years, no word (%L1 rows), to the first screen").arg(model->rowCount()),
               allYearsMs, "< 100 ms");
    table.add("resident memory, history page showing all years", Table::megabytes(residentKb()), {}, {}, "< 150 MB");

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
            table.time(QString("history page: all years, student word \"%1\" (%L2 rows)").arg(word).arg(rows), ms,
                       "< 100 ms");
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
    measureSignOut(table, kiosk, history, repeats, "one sign-out, history page left on all years");
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

void measureInventory(Table& table, Kiosk& kiosk, Sqlite& inventory, int repeats)
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

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brindlow"));
    QApplication::setOrganizationName(QStringLiteral("Ostmere"));
    const QStringList arguments = application.arguments();
    if (arguments.size() < 2) {
        std::fprintf(
            stderr, "usage: benchmark FOLDER [REPEATS [startup|signout|scan|history|students|inventory|export]...]\n");
        return 2;
    }
    const QString folder = QDir(arguments.at(1)).absolutePath();
    const int repeats = arguments.size() > 2 ? std::max(1, arguments.at(2).toInt()) : 7;
    const QStringList parts = arguments.mid(3);
    const auto measured = [&parts](const char* part) { return parts.isEmpty() || parts.contains(part); };
    const QByteArray loadBefore = loadAverage();

    Table table;
    if (measured("startup"))
        measureStartUp(table, folder, repeats);
    {
        QDir::setCurrent(folder);
        Kiosk kiosk;
        kiosk.showFullScreen();
        QCoreApplication::processEvents();
        Sqlite history(QStringLiteral("history"));
        Sqlite inventory(QStringLiteral("inventory"));
        if (measured("signout")) {
            measureSignOut(table, kiosk, history, repeats);
            measurePasswords(table, kiosk, repeats);
        }
        if (measured("scan"))
            measureScan(table, kiosk, repeats);
        if (measured("history"))
            measureHistoryPage(table, kiosk, history, repeats, QStringLiteral("Nowak"));
        if (measured("students"))
            measureStudents(table, kiosk, repeats);
        if (measured("inventory"))
            measureInventory(table, kiosk, inventory, repeats);
        if (measured("export"))
            measureExport(table, kiosk, repeats);
    }
    table.add("peak resident memory (ru_maxrss)", Table::megabytes(peakResidentKb()), {}, {}, "< 150 MB");

    std::printf("Brindlow benchmark on %s: median of %d runs after a warm-up, load average %s -> %s\n",
        qPrintable(folder), repeats, loadBefore.constData(), loadAverage().constData());
    table.print();
    return 0;
}
