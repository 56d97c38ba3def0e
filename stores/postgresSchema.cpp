#include "stores/postgresSchema.h"

#include "stores/sqlExec.h"

#include <QSqlQuery>
#include <QStringList>

// Version 1. Texts compare by code point ("C"), as the kiosk orders them;
// moments are milliseconds since the epoch, as in the files. The kiosk that
// records a sign-out gives its local day, and one item goes out once a day.
// (Sign-outs copied from a kiosk folder that broke that rule have no day.)
static const QStringList Version1 {
    QStringLiteral("CREATE TABLE inventory (rowid bigserial PRIMARY KEY, name text COLLATE \"C\" NOT NULL, "
                   "number integer NOT NULL, UNIQUE (name, number))"),
    QStringLiteral("CREATE TABLE students (id text COLLATE \"C\" PRIMARY KEY, name text NOT NULL, password text)"),
    QStringLiteral("CREATE TABLE studentsBeforeImport (id text COLLATE \"C\" PRIMARY KEY, name text NOT NULL, "
                   "password text)"),
    QStringLiteral("CREATE TABLE importKept (kept boolean PRIMARY KEY CHECK (kept))"),
    QStringLiteral("CREATE TABLE history (rowid bigserial PRIMARY KEY, dateTime bigint NOT NULL, day date, "
                   "studentName text COLLATE \"C\" NOT NULL, studentId text COLLATE \"C\" NOT NULL, "
                   "itemName text COLLATE \"C\" NOT NULL, itemNumber integer NOT NULL, "
                   "UNIQUE (itemName, itemNumber, day))"),
    QStringLiteral("CREATE INDEX historyDateTime ON history (dateTime)"),
    QStringLiteral("CREATE INDEX historyByStudent ON history (studentName, studentId, dateTime)"),
    QStringLiteral("CREATE INDEX historyByItem ON history (itemName, itemNumber, dateTime)"),
    QStringLiteral("CREATE TABLE historyDays (day bigint PRIMARY KEY, entries bigint NOT NULL)"),
    QStringLiteral("CREATE TABLE historyStudents (rowid bigserial PRIMARY KEY, name text COLLATE \"C\", "
                   "id text COLLATE \"C\", folded text, UNIQUE (name, id))"),
    QStringLiteral("CREATE TABLE historyItems (rowid bigserial PRIMARY KEY, name text COLLATE \"C\", number integer, "
                   "folded text, UNIQUE (name, number))"),
    QStringLiteral("CREATE FUNCTION historyAdded() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN "
                   "INSERT INTO historyDays VALUES (floor(NEW.dateTime / 86400000.0)::bigint, 1) "
                   "ON CONFLICT (day) DO UPDATE SET entries = historyDays.entries + 1; "
                   "INSERT INTO historyStudents (name, id) VALUES (NEW.studentName, NEW.studentId) "
                   "ON CONFLICT DO NOTHING; "
                   "INSERT INTO historyItems (name, number) VALUES (NEW.itemName, NEW.itemNumber) "
                   "ON CONFLICT DO NOTHING; "
                   "RETURN NULL; END $$"),
    QStringLiteral("CREATE TRIGGER historyAdded AFTER INSERT ON history FOR EACH ROW EXECUTE FUNCTION historyAdded()"),
};

// Version 2: for the usage page, counts per instrument name and local day (the
// kiosk's), per hour in UTC, per copy (with its last sign-out) and the
// different students per instrument name; kept by a trigger of their own. A
// student counts at the first row of a student and instrument: the trigger
// of a row runs after every row of its statement is in, so "the only row"
// would miss the pairs a statement of many rows brings twice.
static const QStringList Version2 {
    QStringLiteral("CREATE TABLE historyItemDays (itemName text COLLATE \"C\" NOT NULL, day bigint NOT NULL, "
                   "entries bigint NOT NULL, PRIMARY KEY (itemName, day))"),
    QStringLiteral("CREATE INDEX historyItemDaysByDay ON historyItemDays (day, itemName, entries)"),
    QStringLiteral("CREATE TABLE historyHours (hour bigint PRIMARY KEY, entries bigint NOT NULL)"),
    QStringLiteral("CREATE TABLE historyCopies (itemName text COLLATE \"C\" NOT NULL, itemNumber integer NOT NULL, "
                   "entries bigint NOT NULL, lastDateTime bigint NOT NULL, PRIMARY KEY (itemName, itemNumber))"),
    QStringLiteral(
        "CREATE TABLE historyItemStudents (itemName text COLLATE \"C\" PRIMARY KEY, students bigint NOT NULL)"),
    QStringLiteral("CREATE INDEX historyByTimeItemStudent ON history (dateTime, itemName, studentId)"),
    QStringLiteral("DROP INDEX historyByStudent"),
    QStringLiteral("CREATE INDEX historyByStudent ON history (studentName, studentId, dateTime) "
                   "INCLUDE (itemName, itemNumber, rowid)"),
    QStringLiteral("CREATE FUNCTION historyCounted() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN "
                   "INSERT INTO historyItemDays VALUES (NEW.itemName, "
                   "coalesce(NEW.day - DATE '1970-01-01', floor(NEW.dateTime / 86400000.0)::bigint), 1) "
                   "ON CONFLICT (itemName, day) DO UPDATE SET entries = historyItemDays.entries + 1; "
                   "INSERT INTO historyHours VALUES (NEW.dateTime / 3600000, 1) "
                   "ON CONFLICT (hour) DO UPDATE SET entries = historyHours.entries + 1; "
                   "INSERT INTO historyCopies VALUES (NEW.itemName, NEW.itemNumber, 1, NEW.dateTime) "
                   "ON CONFLICT (itemName, itemNumber) DO UPDATE SET entries = historyCopies.entries + 1, "
                   "lastDateTime = greatest(historyCopies.lastDateTime, EXCLUDED.lastDateTime); "
                   "IF NOT EXISTS (SELECT 1 FROM history WHERE studentName = NEW.studentName "
                   "AND studentId = NEW.studentId AND itemName = NEW.itemName AND rowid < NEW.rowid) THEN "
                   "INSERT INTO historyItemStudents VALUES (NEW.itemName, 1) "
                   "ON CONFLICT (itemName) DO UPDATE SET students = historyItemStudents.students + 1; "
                   "END IF; "
                   "RETURN NULL; END $$"),
    QStringLiteral(
        "CREATE TRIGGER historyCounted AFTER INSERT ON history FOR EACH ROW EXECUTE FUNCTION historyCounted()"),
};

// The usage counts of the rows already in the history, counted at once.
static const QStringList UsageCounts {
    QStringLiteral("INSERT INTO historyItemDays SELECT itemName, "
                   "coalesce(day - DATE '1970-01-01', floor(dateTime / 86400000.0)::bigint), count(*) "
                   "FROM history GROUP BY 1, 2"),
    QStringLiteral("INSERT INTO historyHours SELECT dateTime / 3600000, count(*) FROM history GROUP BY 1"),
    QStringLiteral("INSERT INTO historyCopies SELECT itemName, itemNumber, count(*), max(dateTime) FROM history "
                   "GROUP BY 1, 2"),
    QStringLiteral("INSERT INTO historyItemStudents SELECT itemName, count(DISTINCT studentId) FROM history "
                   "GROUP BY 1"),
};

// Version 3: the history's triggers stand aside while a folder is copied in
// (the copy counts at the end, in a few statements). Row by row, one
// transaction of years would update the same counting rows thousands of
// times, and each update checks every version of its row left before it.
static const QString Copying = QStringLiteral("brindlow.copying");
static QString countingTrigger(const QString& name)
{
    return QStringLiteral("CREATE TRIGGER %1 AFTER INSERT ON history FOR EACH ROW "
                          "WHEN (current_setting('%2', true) IS DISTINCT FROM 'on') EXECUTE FUNCTION %1()")
        .arg(name, Copying);
}
static const QStringList Version3 {
    QStringLiteral("DROP TRIGGER historyAdded ON history"),
    countingTrigger(QStringLiteral("historyAdded")),
    QStringLiteral("DROP TRIGGER historyCounted ON history"),
    countingTrigger(QStringLiteral("historyCounted")),
};

// Version 4: a range's sign-outs per copy and different students per
// instrument in few steps: counts per copy (its row in historyItems, which
// the trigger before this one in name order has added) and day, and each day
// on which a student had an instrument with the day before that on which
// the student had it, kept whatever the order the rows come in.
static const QString RowDay
    = QStringLiteral("coalesce(%1day - DATE '1970-01-01', floor(%1dateTime / 86400000.0)::bigint)");
static const QString SamePair = QStringLiteral("itemName = NEW.itemName AND studentId = NEW.studentId");

// The counts per day of the rows already in the history, counted at once.
static const QStringList DayCounts {
    QStringLiteral("INSERT INTO historyCopyDays SELECT historyItems.rowid, counted.day, counted.entries "
                   "FROM (SELECT itemName, itemNumber, %1 AS day, count(*) AS entries FROM history "
                   "GROUP BY 1, 2, 3) counted JOIN historyItems ON name = itemName AND number = itemNumber")
        .arg(RowDay.arg(QString())),
    QStringLiteral("INSERT INTO historyItemStudentDays SELECT itemName, studentId, day, "
                   "lag(day) OVER (PARTITION BY itemName, studentId ORDER BY day) "
                   "FROM (SELECT DISTINCT itemName, studentId, %1 AS day FROM history) pairs")
        .arg(RowDay.arg(QString())),
};

static const QStringList Version4 = QStringList
{
    QStringLiteral("CREATE TABLE historyCopyDays (copy bigint NOT NULL, day bigint NOT NULL, entries bigint NOT NULL, "
                   "PRIMARY KEY (copy, day))"),
        QStringLiteral("CREATE TABLE historyItemStudentDays (itemName text COLLATE \"C\" NOT NULL, "
                       "studentId text COLLATE \"C\" NOT NULL, day bigint NOT NULL, previousDay bigint, "
                       "PRIMARY KEY (itemName, studentId, day))"),
        QStringLiteral("CREATE FUNCTION historyCountedPerDay() RETURNS trigger LANGUAGE plpgsql AS $$ "
                       "DECLARE rowDay bigint := %1; BEGIN "
                       "INSERT INTO historyCopyDays SELECT rowid, rowDay, 1 FROM historyItems "
                       "WHERE name = NEW.itemName AND number = NEW.itemNumber "
                       "ON CONFLICT (copy, day) DO UPDATE SET entries = historyCopyDays.entries + 1; "
                       "INSERT INTO historyItemStudentDays VALUES (NEW.itemName, NEW.studentId, rowDay, "
                       "(SELECT max(day) FROM historyItemStudentDays WHERE %2 AND day < rowDay)) "
                       "ON CONFLICT DO NOTHING; "
                       "UPDATE historyItemStudentDays SET previousDay = rowDay WHERE %2 AND day = "
                       "(SELECT min(day) FROM historyItemStudentDays WHERE %2 AND day > rowDay) "
                       "AND (previousDay IS NULL OR previousDay < rowDay); "
                       "RETURN NULL; END $$")
            .arg(RowDay.arg(QStringLiteral("NEW.")), SamePair),
        countingTrigger(QStringLiteral("historyCountedPerDay")),
}
+ DayCounts
    + QStringList {
          QStringLiteral(
              "CREATE INDEX historyItemStudentDaysByDay ON historyItemStudentDays (itemName, day, previousDay)"),
          // The kiosks' own role, given the tables once, would find the history's
          // trigger refused at the next sign-out: whoever may use the history may
          // use its counts.
          QStringLiteral("DO $$ DECLARE granted record; BEGIN FOR granted IN SELECT grantee, privilege_type "
                         "FROM information_schema.role_table_grants WHERE table_schema = current_schema() "
                         "AND table_name = 'history' AND grantee <> current_user LOOP "
                         "EXECUTE format('GRANT %s ON historyCopyDays, historyItemStudentDays TO %s', "
                         "granted.privilege_type, CASE WHEN granted.grantee = 'PUBLIC' THEN 'PUBLIC' "
                         "ELSE quote_ident(granted.grantee) END); END LOOP; END $$"),
      };

// Version 5: reads from indexes alone. A range's sign-outs per copy summed
// from the range's days (reading each copy's days from the table took the
// usage page's term a third of a second); a student's rows with their days,
// for the usage page's words (58,000 rows read from the table took 0.4 s);
// the orders of the history page whole, the row's identity included.
static const QStringList Version5 {
    QStringLiteral("CREATE INDEX historyCopyDaysByDay ON historyCopyDays (day, copy) INCLUDE (entries)"),
    QStringLiteral("DROP INDEX historyByStudent"),
    QStringLiteral("CREATE INDEX historyByStudent ON history (studentName, studentId, dateTime, rowid) "
                   "INCLUDE (itemName, itemNumber, day)"),
    QStringLiteral("DROP INDEX historyByItem"),
    QStringLiteral("CREATE INDEX historyByItem ON history (itemName, itemNumber, dateTime, rowid) INCLUDE (day)"),
};

// Version 6: the rows of each student, counted as rows come in, through
// which the history page jumps into a long range sorted by student instead
// of counting its way through the index to the row.
static const QString StudentCounts
    = QStringLiteral("SELECT studentName, studentId, count(*) FROM history GROUP BY 1, 2");
static const QStringList Version6 {
    QStringLiteral("ALTER TABLE historyStudents ADD COLUMN entries bigint NOT NULL DEFAULT 0"),
    QStringLiteral("CREATE OR REPLACE FUNCTION historyAdded() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN "
                   "INSERT INTO historyDays VALUES (floor(NEW.dateTime / 86400000.0)::bigint, 1) "
                   "ON CONFLICT (day) DO UPDATE SET entries = historyDays.entries + 1; "
                   "INSERT INTO historyStudents (name, id, entries) VALUES (NEW.studentName, NEW.studentId, 1) "
                   "ON CONFLICT (name, id) DO UPDATE SET entries = historyStudents.entries + 1; "
                   "INSERT INTO historyItems (name, number) VALUES (NEW.itemName, NEW.itemNumber) "
                   "ON CONFLICT DO NOTHING; "
                   "RETURN NULL; END $$"),
    QStringLiteral("UPDATE historyStudents SET entries = counted.count FROM (%1) counted "
                   "WHERE name = studentName AND id = studentId")
        .arg(StudentCounts),
};

static const QList<QStringList> Versions { Version1, Version2 + UsageCounts, Version3, Version4, Version5, Version6 };

QStringList postgresCopyStart()
{
    return { QStringLiteral("SET LOCAL %1 = on").arg(Copying) };
}

QStringList postgresCopyCounts()
{
    return QStringList {
        QStringLiteral("INSERT INTO historyDays SELECT floor(dateTime / 86400000.0)::bigint, count(*) FROM history "
                       "GROUP BY 1"),
        QStringLiteral("INSERT INTO historyStudents (name, id, entries) ") + StudentCounts,
        QStringLiteral("INSERT INTO historyItems (name, number) SELECT DISTINCT itemName, itemNumber FROM history"),
    }
    + UsageCounts + DayCounts + QStringList { QStringLiteral("SET LOCAL %1 = off").arg(Copying) };
}

/// The version recorded in the database, 0 for an empty one; -1 when unknown.
static int versionOf(QSqlDatabase& database)
{
    // Looked up rather than created "if not exists": the kiosks' own role may
    // read and write the tables but not create any.
    QSqlQuery query(database);
    if (!execLogged(query, QStringLiteral("SELECT to_regclass('brindlowschema') IS NOT NULL")) || !query.next())
        return -1;
    if (!query.value(0).toBool())
        return execAllLogged(database, { QStringLiteral("CREATE TABLE brindlowSchema (version integer NOT NULL)") })
            ? 0
            : -1;
    if (!execLogged(query, QStringLiteral("SELECT coalesce(max(version), 0) FROM brindlowSchema")) || !query.next())
        return -1;
    return query.value(0).toInt();
}

SchemaUpgrade upgradePostgresSchema(QSqlDatabase& database)
{
    const int found = versionOf(database);
    if (found < 0)
        return SchemaUpgrade::Failed;
    if (found > Versions.size())
        return SchemaUpgrade::TooNew;
    // A step counts years of history at once, longer than a kiosk's statement
    // may take: without a limit, until the upgrade's transaction ends.
    if (found < Versions.size() && !execAllLogged(database, { QStringLiteral("SET LOCAL statement_timeout = 0") }))
        return SchemaUpgrade::Failed;
    for (int step = found; step < Versions.size(); ++step) {
        if (!execAllLogged(database, Versions.at(step)))
            return SchemaUpgrade::Failed;
    }
    if (found == Versions.size())
        return SchemaUpgrade::Done;
    QSqlQuery record(database);
    return execLogged(record, QStringLiteral("DELETE FROM brindlowSchema"))
            && execLogged(record, QStringLiteral("INSERT INTO brindlowSchema VALUES (%1)").arg(Versions.size()))
        ? SchemaUpgrade::Done
        : SchemaUpgrade::Failed;
}
