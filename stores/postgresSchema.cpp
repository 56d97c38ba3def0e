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

// Version 2: counts per instrument name and local day (the kiosk's), and per
// hour in UTC, for the usage page; kept by a trigger of their own.
static const QStringList Version2 {
    QStringLiteral("CREATE TABLE historyItemDays (itemName text COLLATE \"C\" NOT NULL, day bigint NOT NULL, "
                   "entries bigint NOT NULL, PRIMARY KEY (itemName, day))"),
    QStringLiteral("CREATE INDEX historyItemDaysByDay ON historyItemDays (day, itemName, entries)"),
    QStringLiteral("CREATE TABLE historyHours (hour bigint PRIMARY KEY, entries bigint NOT NULL)"),
    QStringLiteral("CREATE INDEX historyItemStudents ON history (itemName, studentId, dateTime)"),
    QStringLiteral("CREATE FUNCTION historyCounted() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN "
                   "INSERT INTO historyItemDays VALUES (NEW.itemName, "
                   "coalesce(NEW.day - DATE '1970-01-01', floor(NEW.dateTime / 86400000.0)::bigint), 1) "
                   "ON CONFLICT (itemName, day) DO UPDATE SET entries = historyItemDays.entries + 1; "
                   "INSERT INTO historyHours VALUES (NEW.dateTime / 3600000, 1) "
                   "ON CONFLICT (hour) DO UPDATE SET entries = historyHours.entries + 1; "
                   "RETURN NULL; END $$"),
    QStringLiteral(
        "CREATE TRIGGER historyCounted AFTER INSERT ON history FOR EACH ROW EXECUTE FUNCTION historyCounted()"),
    QStringLiteral("INSERT INTO historyItemDays SELECT itemName, "
                   "coalesce(day - DATE '1970-01-01', floor(dateTime / 86400000.0)::bigint), count(*) "
                   "FROM history GROUP BY 1, 2"),
    QStringLiteral("INSERT INTO historyHours SELECT dateTime / 3600000, count(*) FROM history GROUP BY 1"),
};

static const QList<QStringList> Versions { Version1, Version2 };

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
