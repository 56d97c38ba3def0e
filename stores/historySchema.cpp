#include "stores/historySchema.h"

#include "stores/PreparedStatements.h"
#include "stores/searchFolding.h"
#include "stores/sqlBatches.h"
#include "stores/sqlExec.h"

#include <QCoreApplication>
#include <QSqlDriver>
#include <QSqlQuery>

QString historyColumns()
{
    return QStringLiteral("dateTime INTEGER, studentName TEXT, studentId TEXT, studentPassword TEXT, "
                          "itemName TEXT, itemNumber INTEGER");
}

qint64 dayOf(qint64 msecsSinceEpoch)
{
    // Rounded down, also before 1970.
    return msecsSinceEpoch / MSecsPerDay - (msecsSinceEpoch % MSecsPerDay < 0);
}

// An upgrade's step runs on the file's connection, outside any store.
static bool foldNewTextsOf(QSqlDatabase& database)
{
    PreparedStatements statements(database);
    return foldNewTexts(statements);
}

// The same rounding in SQL, where % also keeps the sign of the dividend.
static QString dayOfSql(const QString& moment)
{
    return QStringLiteral("(%1 / 86400000 - (%1 % 86400000 < 0))").arg(moment);
}

static bool indexDateTime(QSqlDatabase& database, const ProgressNote&)
{
    // Every sign-out reads today's rows; without an index that scans years of history.
    return execAllLogged(
        database, { QStringLiteral("CREATE INDEX IF NOT EXISTS historyDateTime ON history (dateTime)") });
}

static bool prepareForLargeReads(QSqlDatabase& database, const ProgressNote& note)
{
    const QStringList statements {
        QStringLiteral("CREATE TABLE historyDays (day INTEGER PRIMARY KEY, entries INTEGER NOT NULL)"),
        QStringLiteral("CREATE TABLE historyStudents (name TEXT, id TEXT, folded TEXT, UNIQUE (name, id))"),
        QStringLiteral("CREATE TABLE historyItems (name TEXT, number INTEGER, folded TEXT, UNIQUE (name, number))"),
        QStringLiteral("CREATE TRIGGER historyAdded AFTER INSERT ON history BEGIN "
                       "INSERT INTO historyDays SELECT %1, 1 WHERE new.dateTime IS NOT NULL "
                       "ON CONFLICT (day) DO UPDATE SET entries = entries + 1; "
                       "INSERT OR IGNORE INTO historyStudents (name, id) SELECT new.studentName, new.studentId "
                       "WHERE new.studentName IS NOT NULL AND new.studentId IS NOT NULL; "
                       "INSERT OR IGNORE INTO historyItems (name, number) SELECT new.itemName, new.itemNumber "
                       "WHERE new.itemName IS NOT NULL AND new.itemNumber IS NOT NULL; "
                       "END")
            .arg(dayOfSql(QStringLiteral("new.dateTime"))),
        QStringLiteral("INSERT INTO historyDays SELECT %1, count(*) FROM history WHERE dateTime IS NOT NULL GROUP BY 1")
            .arg(dayOfSql(QStringLiteral("dateTime"))),
        QStringLiteral("CREATE INDEX historyByStudent ON history (studentName, studentId, dateTime)"),
        QStringLiteral("INSERT OR IGNORE INTO historyStudents (name, id) SELECT DISTINCT studentName, studentId "
                       "FROM history WHERE studentName IS NOT NULL AND studentId IS NOT NULL"),
        QStringLiteral("CREATE INDEX historyByItem ON history (itemName, itemNumber, dateTime)"),
        QStringLiteral("INSERT OR IGNORE INTO historyItems (name, number) SELECT DISTINCT itemName, itemNumber "
                       "FROM history WHERE itemName IS NOT NULL AND itemNumber IS NOT NULL"),
    };
    for (qsizetype i = 0; i < statements.size(); ++i) {
        note(QCoreApplication::translate("historySchema", "Preparing the history for fast searching: %1%")
                 .arg(100 * i / (statements.size() + 1)));
        if (!execAllLogged(database, { statements.at(i) }))
            return false;
    }
    note(QCoreApplication::translate("historySchema", "Preparing the history for fast searching: %1%")
             .arg(100 * statements.size() / (statements.size() + 1)));
    return foldNewTextsOf(database);
}

// Older releases kept each student's password in every row, readable by
// anyone with the file. secure_delete overwrites the old bytes as they are
// freed, so they are gone even where the rewrite afterwards, which needs the
// file's size in free space, fails; the rewrite takes out what an earlier
// attempt without it left in the free pages.
static bool clearPasswords(QSqlDatabase& database, const ProgressNote& note)
{
    note(QCoreApplication::translate("historySchema", "Clearing old passwords from the history"));
    return execAllLogged(database,
        { QStringLiteral("PRAGMA secure_delete = ON"),
            QStringLiteral("UPDATE history SET studentPassword = NULL "
                           "WHERE studentPassword IS NOT NULL"),
            QStringLiteral("PRAGMA secure_delete = OFF") });
}

// Rows without a name or a number (older files, other programs) are counted,
// but no comparison of the history page's slices holds for NULL: they would
// never be shown. Empty texts and number 0 sort first, as NULL did.
static bool fillMissingTexts(QSqlDatabase& database, const ProgressNote&)
{
    const QString missingStudent = QStringLiteral("(studentName IS NULL OR studentId IS NULL)");
    const QString missingItem = QStringLiteral("(itemName IS NULL OR itemNumber IS NULL)");
    return execAllLogged(database,
               { QStringLiteral("INSERT OR IGNORE INTO historyStudents (name, id) SELECT DISTINCT "
                                "coalesce(studentName, ''), coalesce(studentId, '') FROM history WHERE %1")
                       .arg(missingStudent),
                   QStringLiteral("INSERT OR IGNORE INTO historyItems (name, number) SELECT DISTINCT "
                                  "coalesce(itemName, ''), coalesce(itemNumber, 0) FROM history WHERE %1")
                       .arg(missingItem),
                   QStringLiteral("UPDATE history SET studentName = coalesce(studentName, ''), "
                                  "studentId = coalesce(studentId, ''), itemName = coalesce(itemName, ''), "
                                  "itemNumber = coalesce(itemNumber, 0) WHERE %1 OR %2")
                       .arg(missingStudent, missingItem) })
        && foldNewTextsOf(database);
}

// The local day of a moment (in this process's time zone), in whole days since 1970-01-01.
static QString localDaySql(const QString& moment)
{
    return QStringLiteral("(CAST(strftime('%s', %1 / 1000, 'unixepoch', 'localtime') AS INTEGER) / 86400)").arg(moment);
}

// The usage page sums years of sign-outs per instrument and day, and per hour,
// from counts kept as rows come in. The day is the local day of the kiosk
// that recorded the row; the hour is counted in UTC and made local on reading.
// Over the whole history it reads each copy's sign-outs and last one, and each
// instrument's different students, from counts of their own: a student counts
// at the first row of that student and instrument.
static bool countUsage(QSqlDatabase& database, const ProgressNote& note)
{
    note(QCoreApplication::translate("historySchema", "Counting the history's sign-outs for the usage page"));
    const QString day = localDaySql(QStringLiteral("new.dateTime"));
    return execAllLogged(database,
        { QStringLiteral("CREATE TABLE historyItemDays (itemName TEXT NOT NULL, day INTEGER NOT NULL, "
                         "entries INTEGER NOT NULL, PRIMARY KEY (itemName, day))"),
            QStringLiteral("CREATE INDEX historyItemDaysByDay ON historyItemDays (day, itemName, entries)"),
            QStringLiteral("CREATE TABLE historyHours (hour INTEGER PRIMARY KEY, entries INTEGER NOT NULL)"),
            QStringLiteral(
                "CREATE TABLE historyCopies (itemName TEXT NOT NULL, itemNumber INTEGER NOT NULL, "
                "entries INTEGER NOT NULL, lastDateTime INTEGER NOT NULL, PRIMARY KEY (itemName, itemNumber))"),
            QStringLiteral("CREATE TABLE historyItemStudents (itemName TEXT PRIMARY KEY, students INTEGER NOT NULL)"),
            // A term's pairs of instrument and student without reading the rows,
            // and a student word's rows with their instruments.
            QStringLiteral("CREATE INDEX historyByTimeItemStudent ON history (dateTime, itemName, studentId)"),
            QStringLiteral("DROP INDEX historyByStudent"),
            QStringLiteral(
                "CREATE INDEX historyByStudent ON history (studentName, studentId, dateTime, itemName, itemNumber)"),
            QStringLiteral("CREATE TRIGGER historyCounted AFTER INSERT ON history WHEN new.dateTime IS NOT NULL BEGIN "
                           "INSERT INTO historyItemDays SELECT coalesce(new.itemName, ''), %1, 1 WHERE true "
                           "ON CONFLICT (itemName, day) DO UPDATE SET entries = entries + 1; "
                           "INSERT INTO historyHours SELECT new.dateTime / 3600000, 1 WHERE true "
                           "ON CONFLICT (hour) DO UPDATE SET entries = entries + 1; "
                           "INSERT INTO historyCopies SELECT new.itemName, new.itemNumber, 1, new.dateTime "
                           "WHERE new.itemName IS NOT NULL AND new.itemNumber IS NOT NULL "
                           "ON CONFLICT (itemName, itemNumber) DO UPDATE SET entries = entries + 1, "
                           "lastDateTime = max(lastDateTime, excluded.lastDateTime); "
                           "INSERT INTO historyItemStudents SELECT new.itemName, 1 "
                           "WHERE new.itemName IS NOT NULL AND new.studentId IS NOT NULL AND NOT EXISTS (SELECT 1 "
                           "FROM history WHERE studentName IS new.studentName AND studentId = new.studentId "
                           "AND itemName = new.itemName AND dateTime IS NOT NULL AND rowid < new.rowid) "
                           "ON CONFLICT (itemName) DO UPDATE SET students = students + 1; "
                           "END")
                .arg(day),
            QStringLiteral("INSERT INTO historyItemDays SELECT itemName, %1, count(*) FROM history "
                           "WHERE dateTime IS NOT NULL GROUP BY 1, 2")
                .arg(localDaySql(QStringLiteral("dateTime"))),
            QStringLiteral("INSERT INTO historyHours SELECT dateTime / 3600000, count(*) FROM history "
                           "WHERE dateTime IS NOT NULL GROUP BY 1"),
            QStringLiteral(
                "INSERT INTO historyCopies SELECT itemName, itemNumber, count(*), max(dateTime) FROM history "
                "WHERE dateTime IS NOT NULL AND itemName IS NOT NULL AND itemNumber IS NOT NULL GROUP BY 1, 2"),
            QStringLiteral(
                "INSERT INTO historyItemStudents SELECT itemName, count(DISTINCT studentId) FROM history "
                "WHERE dateTime IS NOT NULL AND itemName IS NOT NULL AND studentId IS NOT NULL GROUP BY 1") });
}

// A range's sign-outs per copy and different students per instrument, in
// few steps whatever the range: per copy and day (the copy by its row in
// historyItems), and each day on which a student had an instrument with the
// day before that on which the student had it; a range's different students
// are its days whose day before lies before the range. Rows come in any
// order (an import, a clock set back): a row's day also becomes the day
// before of the pair's next day. The trigger makes sure of the copy's row,
// whichever of the triggers runs first.
static bool countPerDay(QSqlDatabase& database, const ProgressNote& note)
{
    note(QCoreApplication::translate("historySchema", "Counting the history's sign-outs for the usage page"));
    const QString day = localDaySql(QStringLiteral("new.dateTime"));
    const QString pair = QStringLiteral("itemName = new.itemName AND studentId = new.studentId");
    return execAllLogged(database,
        { QStringLiteral("CREATE TABLE historyCopyDays (copy INTEGER NOT NULL, day INTEGER NOT NULL, "
                         "entries INTEGER NOT NULL, PRIMARY KEY (copy, day)) WITHOUT ROWID"),
            QStringLiteral("CREATE TABLE historyItemStudentDays (itemName TEXT NOT NULL, studentId TEXT NOT NULL, "
                           "day INTEGER NOT NULL, previousDay INTEGER, PRIMARY KEY (itemName, studentId, day)) "
                           "WITHOUT ROWID"),
            QStringLiteral("CREATE TRIGGER historyCountedPerDay AFTER INSERT ON history "
                           "WHEN new.dateTime IS NOT NULL BEGIN "
                           "INSERT OR IGNORE INTO historyItems (name, number) SELECT new.itemName, new.itemNumber "
                           "WHERE new.itemName IS NOT NULL AND new.itemNumber IS NOT NULL; "
                           "INSERT INTO historyCopyDays SELECT rowid, %1, 1 FROM historyItems "
                           "WHERE name = new.itemName AND number = new.itemNumber "
                           "ON CONFLICT (copy, day) DO UPDATE SET entries = entries + 1; "
                           "INSERT INTO historyItemStudentDays SELECT new.itemName, new.studentId, %1, "
                           "(SELECT max(day) FROM historyItemStudentDays WHERE %2 AND day < %1) "
                           "WHERE new.itemName IS NOT NULL AND new.studentId IS NOT NULL "
                           "ON CONFLICT DO NOTHING; "
                           "UPDATE historyItemStudentDays SET previousDay = %1 WHERE %2 AND day = "
                           "(SELECT min(day) FROM historyItemStudentDays WHERE %2 AND day > %1) "
                           "AND (previousDay IS NULL OR previousDay < %1); "
                           "END")
                .arg(day, pair),
            QStringLiteral("INSERT INTO historyCopyDays SELECT historyItems.rowid, counted.day, counted.entries "
                           "FROM (SELECT itemName, itemNumber, %1 AS day, count(*) AS entries FROM history NOT INDEXED "
                           "WHERE dateTime IS NOT NULL GROUP BY 1, 2, 3) counted "
                           "JOIN historyItems ON name = itemName AND number = itemNumber")
                .arg(localDaySql(QStringLiteral("dateTime"))),
            QStringLiteral("INSERT INTO historyItemStudentDays SELECT itemName, studentId, day, "
                           "lag(day) OVER (PARTITION BY itemName, studentId ORDER BY day) "
                           "FROM (SELECT itemName, studentId, %1 AS day FROM history NOT INDEXED "
                           "WHERE dateTime IS NOT NULL AND itemName IS NOT NULL AND studentId IS NOT NULL "
                           "GROUP BY 1, 2, 3)")
                .arg(localDaySql(QStringLiteral("dateTime"))),
            // Built once filled: sorted at once rather than row by row.
            QStringLiteral("CREATE INDEX historyItemStudentDaysByDay ON historyItemStudentDays "
                           "(itemName, day, previousDay)") });
}

// The history page jumps into a long range sorted by student through the
// rows of each student, counted as rows come in, instead of counting its way
// through the index to the row. Whichever trigger adds the student first,
// the other leaves the row and its count as they are.
static bool countPerStudent(QSqlDatabase& database, const ProgressNote& note)
{
    note(QCoreApplication::translate("historySchema", "Preparing the history for fast searching: %1%").arg(0));
    return execAllLogged(database,
        { QStringLiteral("ALTER TABLE historyStudents ADD COLUMN entries INTEGER NOT NULL DEFAULT 0"),
            QStringLiteral("CREATE TRIGGER historyCountedPerStudent AFTER INSERT ON history "
                           "WHEN new.dateTime IS NOT NULL AND new.studentName IS NOT NULL "
                           "AND new.studentId IS NOT NULL BEGIN "
                           "INSERT INTO historyStudents (name, id, entries) SELECT new.studentName, new.studentId, 1 "
                           "WHERE true ON CONFLICT (name, id) DO UPDATE SET entries = entries + 1; "
                           "END"),
            QStringLiteral("UPDATE historyStudents SET entries = counted.entries FROM (SELECT studentName, studentId, "
                           "count(*) AS entries FROM history WHERE dateTime IS NOT NULL GROUP BY 1, 2) counted "
                           "WHERE name = studentName AND id = studentId") });
}

QList<SchemaStep> historySchema()
{
    return { indexDateTime, prepareForLargeReads, { clearPasswords, SchemaStep::RewriteFile }, fillMissingTexts,
        countUsage, countPerDay, countPerStudent };
}

static bool foldTexts(PreparedStatements& statements, const QString& table, const QString& text)
{
    const auto unfolded
        = statements.run(QStringLiteral("SELECT rowid, %1 FROM %2 WHERE folded IS NULL").arg(text, table));
    if (!unfolded)
        return false;
    QVariantList rows;
    QVariantList folded;
    QVariantList values; // row, folded text, row, ...
    while (unfolded->next()) {
        rows << unfolded->value(0);
        folded << foldForSearch(unfolded->value(1).toString());
        values << rows.last() << folded.last();
    }
    if (rows.isEmpty())
        return true;
    // All rows in one statement where arrays can be bound; else many rows a
    // statement, as after a large history moved in there are thousands.
    if (statements.database().driver()->dbmsType() == QSqlDriver::PostgreSQL)
        return statements.run(QStringLiteral("UPDATE %1 SET folded = texts.folded "
                                             "FROM unnest(?::bigint[], ?::text[]) AS texts (row, folded) "
                                             "WHERE %1.rowid = texts.row")
                                  .arg(table),
                   { postgresArray(rows), postgresArray(folded) })
            != nullptr;
    return forEachChunk(
        values,
        [&](const QVariantList& chunk) {
            return statements.run(
                       QStringLiteral("WITH texts (row, folded) AS (VALUES %2) "
                                      "UPDATE %1 SET folded = texts.folded FROM texts WHERE %1.rowid = texts.row")
                           .arg(table, repeated(QStringLiteral("(?, ?)"), QStringLiteral(", "), chunk.size() / 2)),
                       chunk)
                != nullptr;
        },
        2 * MaxRowsPerStatement);
}

bool foldNewTexts(PreparedStatements& statements)
{
    return foldTexts(statements, QStringLiteral("historyStudents"), QStringLiteral("name || ' (' || id || ')'"))
        && foldTexts(statements, QStringLiteral("historyItems"), QStringLiteral("name || ' #' || number"));
}
