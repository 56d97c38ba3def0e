#include "app/moveIntoDatabase.h"

#include "app/KioskLock.h"
#include "stores/DatabaseHistory.h"
#include "stores/DatabaseInventory.h"
#include "stores/FileStudentList.h"
#include "stores/PostgresDatabase.h"
#include "stores/SystemClock.h"
#include "stores/historySchema.h"
#include "stores/postgresSchema.h"
#include "stores/sqlBatches.h"
#include "stores/sqlExec.h"

#include <QCoreApplication>
#include <QFile>
#include <QSet>
#include <QSqlQuery>

namespace {

// Rows a statement: years of history go in a few hundred statements, and
// what is held between two stays small.
constexpr qsizetype RowsPerStatement = 5000;

/// Inserts rows of values into \a table, each column of many rows bound as one array.
class RowInserter
{
public:
    /// \a columns are names with their types ("name text").
    RowInserter(PreparedStatements& prepared, const QString& table, const QStringList& columns)
        : statements(prepared)
        , pending(columns.size())
    {
        QStringList names;
        QStringList arrays;
        for (const QString& column : columns) {
            names.append(column.section(QLatin1Char(' '), 0, 0));
            arrays.append(QStringLiteral("?::%1[]").arg(column.section(QLatin1Char(' '), 1)));
        }
        statement = QStringLiteral("INSERT INTO %1 (%2) SELECT * FROM unnest(%3)")
                        .arg(table, names.join(QLatin1String(", ")), arrays.join(QLatin1String(", ")));
    }

    bool add(const QVariantList& values)
    {
        for (qsizetype i = 0; i < values.size(); ++i)
            pending[i].append(values.at(i));
        return pending.first().size() < RowsPerStatement || flush();
    }

    bool flush()
    {
        if (pending.first().isEmpty())
            return true;
        QVariantList arrays;
        for (QVariantList& column : pending) {
            arrays.append(postgresArray(column));
            column.clear();
        }
        return statements.run(statement, arrays) != nullptr;
    }

private:
    PreparedStatements& statements;
    QString statement;
    QList<QVariantList> pending; // per column
};

} // namespace

// Any fixed number, another than the schema's: two copies started at once
// take turns, and the second one finds the first one's data.
static constexpr qint64 CopyLock = 7262011;

static bool holdsData(QSqlDatabase& database)
{
    QSqlQuery query(database);
    return !execLogged(query,
               QStringLiteral("SELECT EXISTS (SELECT 1 FROM inventory) OR EXISTS (SELECT 1 FROM history) "
                              "OR EXISTS (SELECT 1 FROM students)"))
        || !query.next() || query.value(0).toBool();
}

std::pair<bool, QString> moveIntoDatabase(const QString& connection)
{
    // Run in the wrong folder it would copy nothing and leave empty files behind.
    if (!QFile::exists(QStringLiteral("inventory")) && !QFile::exists(QStringLiteral("history"))
        && !QFile::exists(QStringLiteral("students.lst")))
        return { false,
            QCoreApplication::translate(
                "moveIntoDatabase", "There is no kiosk's data in this folder: nothing was copied.") };
    // A kiosk still running in it would go on changing what is being copied.
    KioskLock lock;
    if (!lock.tryAcquire())
        return { false, KioskLock::heldMessage() };
    PostgresDatabase database(connection);
    if (!database.problem().isEmpty())
        return { false, database.problem() };
    QSqlDatabase& handle = database.database();
    const auto holdsDataAlready = [] {
        return std::make_pair(false,
            QCoreApplication::translate("moveIntoDatabase", "The database holds data already: nothing was copied."));
    };
    if (holdsData(handle))
        return holdsDataAlready();

    SystemClock clock;
    DatabaseInventory inventoryFile;
    DatabaseHistory historyFile(clock);
    FileStudentList studentFile(QStringLiteral("students.lst"));
    for (const QString& problem : { inventoryFile.problem(), historyFile.problem() })
        if (!problem.isEmpty())
            return { false, problem };

    const QList<Item> items = inventoryFile.items();
    int registered = 0;
    qsizetype signOuts = 0;
    QDate first;
    QDate last;
    // Years of history take longer than a kiosk's statements may, and a
    // second copy waits for the first one to end (below).
    const bool unlimited = execAllLogged(handle, { QStringLiteral("SET statement_timeout = 0") });
    bool heldData = false;
    const bool committed = unlimited && inTransaction(handle, [&] {
        if (!database.statements().run(QStringLiteral("SELECT pg_advisory_xact_lock(?)"), { CopyLock }))
            return false;
        heldData = holdsData(handle);
        if (heldData)
            return false;
        bool copied = execAllLogged(handle, postgresCopyStart());
        RowInserter inventory(database.statements(), QStringLiteral("inventory"), { "name text", "number integer" });
        for (const Item& item : items)
            copied = copied && inventory.add({ textValue(item.name()), item.number() });
        copied = copied && inventory.flush();

        RowInserter students(
            database.statements(), QStringLiteral("students"), { "id text", "name text", "password text" });
        for (int i = 0; i < studentFile.count(); ++i) {
            const Student student = studentFile.at(i);
            registered += student.password().isNull() ? 0 : 1;
            copied = copied && students.add({ student.id(), textValue(student.name()), student.password() });
        }
        copied = copied && students.flush();

        // One item out once a day holds from now on; a day that broke it before
        // keeps its rows, the extra ones without a day.
        QSet<QString> itemDays;
        RowInserter history(database.statements(), QStringLiteral("history"),
            { "dateTime bigint", "day date", "studentName text", "studentId text", "itemName text",
                "itemNumber integer" });
        const bool read = historyFile.forEachEntry([&](const Entry& entry) {
            const QDate day = entry.date();
            const QString itemDay = entry.item().toString() + QLatin1Char('\n') + day.toString(Qt::ISODate);
            const bool firstOfDay = !itemDays.contains(itemDay);
            itemDays.insert(itemDay);
            copied = copied
                && history.add(
                    { entry.msecsSinceEpoch(), firstOfDay ? QVariant(day) : QVariant(QMetaType::fromType<QDate>()),
                        textValue(entry.student().name()), textValue(entry.student().id()),
                        textValue(entry.item().name()), entry.item().number() });
            first = first.isValid() ? std::min(first, day) : day;
            last = std::max(last, day);
            ++signOuts;
        });
        // Folded here, once, rather than by the first search of some kiosk.
        copied = copied && read && history.flush() && execAllLogged(handle, postgresCopyCounts())
            && foldNewTexts(database.statements());
        for (const char* topic : { "inventory", "students", "history" })
            copied = copied && database.notify(QString::fromLatin1(topic));
        return copied;
    });
    if (heldData)
        return holdsDataAlready();
    if (!committed)
        return { false,
            QCoreApplication::translate(
                "moveIntoDatabase", "The copy failed, and nothing was copied; the log says why.") };
    // Years of history arrived at once: the server's statistics and visibility
    // map would only catch up later, and plans made meanwhile would be poor.
    // Only the kiosk's own tables: the others are not the copy's to tidy
    // (the server would warn of each one that only a superuser may).
    QSqlQuery tidy(handle);
    execLogged(tidy,
        QStringLiteral("VACUUM (ANALYZE) inventory, students, studentsBeforeImport, importKept, history, historyDays, "
                       "historyStudents, historyItems, historyItemDays, historyHours, historyCopies, "
                       "historyItemStudents, historyCopyDays, historyItemStudentDays"));
    return { true,
        QCoreApplication::translate(
            "moveIntoDatabase", "Copied %1 items, %2 students (%3 with a registered password) and %4 sign-outs%5.")
            .arg(items.size())
            .arg(studentFile.count())
            .arg(registered)
            .arg(signOuts)
            .arg(signOuts ? QCoreApplication::translate("moveIntoDatabase", " from %1 to %2")
                                .arg(first.toString(Qt::ISODate), last.toString(Qt::ISODate))
                          : QString()) };
}
