#include "app/moveIntoDatabase.h"

#include "app/KioskLock.h"
#include "stores/DatabaseHistory.h"
#include "stores/DatabaseInventory.h"
#include "stores/FileStudentList.h"
#include "stores/PostgresDatabase.h"
#include "stores/SystemClock.h"
#include "stores/sqlBatches.h"
#include "stores/sqlExec.h"

#include <QCoreApplication>
#include <QFile>
#include <QSet>
#include <QSqlQuery>

namespace {

/// Inserts rows of values into \a table in statements of a few hundred rows.
class RowInserter
{
public:
    RowInserter(QSqlDatabase& db, const QString& table, const QStringList& columns)
        : database(db)
        , head(QStringLiteral("INSERT INTO %1 (%2) VALUES ").arg(table, columns.join(QLatin1String(", "))))
        , row(QLatin1Char('(') + repeated(QStringLiteral("?"), QStringLiteral(", "), columns.size()) + QLatin1Char(')'))
    {
    }

    bool add(const QVariantList& values)
    {
        pending.append(values);
        return pending.size() < MaxRowsPerStatement || flush();
    }

    bool flush()
    {
        if (pending.isEmpty())
            return true;
        QSqlQuery query(database);
        query.prepare(head + repeated(row, QStringLiteral(", "), pending.size()));
        for (const QVariantList& values : std::as_const(pending))
            for (const QVariant& value : values)
                query.addBindValue(value);
        pending.clear();
        return execLogged(query);
    }

private:
    QSqlDatabase& database;
    const QString head;
    const QString row;
    QList<QVariantList> pending;
};

} // namespace

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
    if (holdsData(handle))
        return { false,
            QCoreApplication::translate("moveIntoDatabase", "The database holds data already: nothing was copied.") };

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
    const bool committed = inTransaction(handle, [&] {
        bool copied = true;
        RowInserter inventory(handle, QStringLiteral("inventory"), { "name", "number" });
        for (const Item& item : items)
            copied = copied && inventory.add({ textValue(item.name()), item.number() });
        copied = copied && inventory.flush();

        RowInserter students(handle, QStringLiteral("students"), { "id", "name", "password" });
        for (int i = 0; i < studentFile.count(); ++i) {
            const Student student = studentFile.at(i);
            registered += student.password().isNull() ? 0 : 1;
            copied = copied && students.add({ student.id(), textValue(student.name()), student.password() });
        }
        copied = copied && students.flush();

        // One item out once a day holds from now on; a day that broke it before
        // keeps its rows, the extra ones without a day.
        QSet<QString> itemDays;
        RowInserter history(handle, QStringLiteral("history"),
            { "dateTime", "day", "studentName", "studentId", "itemName", "itemNumber" });
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
        copied = copied && read && history.flush();
        for (const char* topic : { "inventory", "students", "history" })
            copied = copied && database.notify(QString::fromLatin1(topic));
        return copied;
    });
    if (!committed)
        return { false,
            QCoreApplication::translate(
                "moveIntoDatabase", "The copy failed, and nothing was copied; the log says why.") };
    // Years of history arrived at once: the server's statistics and visibility
    // map would only catch up later, and plans made meanwhile would be poor.
    QSqlQuery tidy(handle);
    execLogged(tidy, QStringLiteral("VACUUM ANALYZE"));
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
