// Writes a kiosk's data folder at school or district scale:
//   generateData small|large FOLDER
// "history" and "inventory" with the kiosk's schemas, "students.lst" and
// "students.csv" with the same students. Names carry accented letters.
#include "stores/Student.h"
#include "stores/studentListFormat.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTextStream>

#include <sqlite3.h>

#include <cstdio>

namespace {

struct Scale
{
    int historyRows;
    int historyToday;
    int days;
    int itemNames;
    int itemsPerName;
    int students;
};

const Scale Small { 10'000, 20, 365, 20, 10, 1'000 };
const Scale Large { 1'000'000, 50, 5 * 365, 50, 100, 20'000 };

const char* const FirstNames[] = { "Émile", "Zoë", "Łukasz", "Ana", "Søren", "José", "Chloé", "Niamh", "Björn", "Aoife",
    "Mateo", "Ingrid", "Raphaël", "Noémie", "Jürgen", "Ada", "Bo", "Cy" };
const char* const LastNames[] = { "Ørsted", "Müller", "García", "Nowak", "Dvořák", "O'Brien", "Lefèvre", "Ålund",
    "Smith", "Çelik", "Nguyễn", "Kowalski", "Brontë", "Żak", "Lovelace", "Diddley" };
const char* const Instruments[] = { "Violin", "Viola", "Cello", "Double Bass", "Flute", "Piccolo", "Oboe", "Clarinet",
    "Bassoon", "Saxophone", "Trumpet", "Cornet", "Trombone", "French Horn", "Tuba", "Euphonium", "Snare Drum",
    "Glockenspiel", "Xylophone", "Harp", "Ukulele", "Guitar", "Bass Guitar", "Recorder", "Keyboard" };

QRandomGenerator random(20261207);

template <typename T, size_t N> const char* pick(T (&names)[N])
{
    return names[random.bounded(int(N))];
}

QString instrument(int index)
{
    const int count = int(std::size(Instruments));
    const QString name = QString::fromUtf8(Instruments[index % count]);
    return index < count ? name : name + QStringLiteral(" %1").arg(index / count + 1);
}

QList<Student> makeStudents(int count)
{
    QList<Student> students;
    for (int i = 0; i < count; ++i) {
        const QString name
            = QString::fromUtf8(pick(FirstNames)) + QLatin1Char(' ') + QString::fromUtf8(pick(LastNames));
        const QString password = i % 2 ? QStringLiteral("pw%1").arg(i) : QString();
        students.append(Student(name, QString::number(100000 + i), password));
    }
    return students;
}

void check(int result, sqlite3* database)
{
    if (result != SQLITE_OK && result != SQLITE_DONE && result != SQLITE_ROW) {
        std::fprintf(stderr, "SQLite: %s\n", sqlite3_errmsg(database));
        std::exit(1);
    }
}

sqlite3* createDatabase(const QString& path, const char* schema)
{
    QFile::remove(path);
    sqlite3* database = nullptr;
    check(sqlite3_open(QFile::encodeName(path).constData(), &database), database);
    check(sqlite3_exec(database, schema, nullptr, nullptr, nullptr), database);
    check(sqlite3_exec(database, "BEGIN", nullptr, nullptr, nullptr), database);
    return database;
}

void finish(sqlite3* database)
{
    check(sqlite3_exec(database, "COMMIT", nullptr, nullptr, nullptr), database);
    sqlite3_close(database);
}

void bindText(sqlite3_stmt* statement, int column, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    if (text.isNull())
        sqlite3_bind_null(statement, column);
    else
        sqlite3_bind_text(statement, column, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

void writeInventory(const QString& folder, const Scale& scale)
{
    sqlite3* database = createDatabase(folder + "/inventory", "CREATE TABLE inventory (name TEXT, number INTEGER)");
    sqlite3_stmt* insert = nullptr;
    check(sqlite3_prepare_v2(database, "INSERT INTO inventory VALUES (?, ?)", -1, &insert, nullptr), database);
    for (int name = 0; name < scale.itemNames; ++name) {
        for (int number = 1; number <= scale.itemsPerName; ++number) {
            bindText(insert, 1, instrument(name));
            sqlite3_bind_int(insert, 2, number);
            check(sqlite3_step(insert), database);
            sqlite3_reset(insert);
        }
    }
    sqlite3_finalize(insert);
    finish(database);
}

// Rows in the order of recording: evenly over the past days, then today's.
void writeHistory(const QString& folder, const Scale& scale, const QList<Student>& students)
{
    sqlite3* database = createDatabase(folder + "/history",
        "CREATE TABLE history (dateTime INTEGER, studentName TEXT, studentId TEXT, "
        "studentPassword TEXT, itemName TEXT, itemNumber INTEGER)");
    sqlite3_stmt* insert = nullptr;
    check(
        sqlite3_prepare_v2(database, "INSERT INTO history VALUES (?, ?, ?, ?, ?, ?)", -1, &insert, nullptr), database);
    const qint64 todayStart = QDate::currentDate().startOfDay().toMSecsSinceEpoch();
    const qint64 firstDay = QDate::currentDate().addDays(-scale.days).startOfDay().toMSecsSinceEpoch();
    const int pastRows = scale.historyRows - scale.historyToday;
    const qint64 sinceStart = std::max<qint64>(1, QDateTime::currentMSecsSinceEpoch() - todayStart);
    for (int row = 0; row < scale.historyRows; ++row) {
        const qint64 moment = row < pastRows ? firstDay + (todayStart - firstDay) * row / pastRows
                                             : todayStart + sinceStart * (row - pastRows) / scale.historyToday;
        const Student& student = students.at(random.bounded(int(students.size())));
        sqlite3_bind_int64(insert, 1, moment);
        bindText(insert, 2, student.name());
        bindText(insert, 3, student.id());
        bindText(insert, 4, student.password());
        bindText(insert, 5, instrument(random.bounded(scale.itemNames)));
        sqlite3_bind_int(insert, 6, 1 + random.bounded(scale.itemsPerName));
        check(sqlite3_step(insert), database);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    finish(database);
}

void writeStudentFiles(const QString& folder, const QList<Student>& students)
{
    QSaveFile list(folder + "/students.lst");
    list.open(QIODevice::WriteOnly);
    QDataStream stream(&list);
    QMap<QString, Student> byId;
    for (const Student& student : students)
        byId.insert(student.id(), student);
    writeStudentList(stream, byId.values());
    list.commit();

    QSaveFile csv(folder + "/students.csv");
    csv.open(QIODevice::WriteOnly);
    QTextStream text(&csv);
    text << "ID,First Name,Last Name\n";
    for (const Student& student : students)
        text << student.id() << ',' << student.name().section(' ', 0, 0) << ',' << student.name().section(' ', 1)
             << '\n';
    text.flush();
    csv.commit();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 3 || (arguments.at(1) != "small" && arguments.at(1) != "large")) {
        std::fprintf(stderr, "usage: generateData small|large FOLDER\n");
        return 2;
    }
    const Scale& scale = arguments.at(1) == "large" ? Large : Small;
    const QString folder = arguments.at(2);
    QDir().mkpath(folder);

    const QList<Student> students = makeStudents(scale.students);
    writeInventory(folder, scale);
    writeHistory(folder, scale, students);
    writeStudentFiles(folder, students);
    std::printf("%s data in %s: %d history rows (%d today), %d items, %d students\n", qPrintable(arguments.at(1)),
        qPrintable(folder), scale.historyRows, scale.historyToday, scale.itemNames * scale.itemsPerName,
        scale.students);
    return 0;
}
