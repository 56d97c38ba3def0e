#include "stores/PostgresHistory.h"

#include "stores/Clock.h"
#include "stores/PostgresDatabase.h"
#include "stores/historySql.h"
#include "stores/sqlBatches.h"
#include "stores/sqlExec.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlQuery>

// The notice of a sign-out carries its row, so that the other kiosks take it
// in without reading anything: "history " and the row as a JSON array, which
// keeps any text as stored. Older releases send "history" alone, as this one
// does for a row too long for a notice; then the others read again.
static const QString HistoryTopic = QStringLiteral("history");
static const QString AddedPrefix = QStringLiteral("history ");

/// The entry a notice carries; nothing when it carries none.
static std::optional<Entry> addedEntry(const QString& notice)
{
    if (!notice.startsWith(AddedPrefix))
        return std::nullopt;
    const QJsonArray row = QJsonDocument::fromJson(notice.mid(AddedPrefix.size()).toUtf8()).array();
    if (row.size() != 5 || !row.at(0).isDouble() || !row.at(1).isString() || !row.at(2).isString()
        || !row.at(3).isString() || !row.at(4).isDouble())
        return std::nullopt;
    return Entry(row.at(0).toInteger(), Student(row.at(1).toString(), row.at(2).toString(), QString()),
        Item(row.at(3).toString(), int(row.at(4).toInteger())));
}

PostgresHistory::PostgresHistory(PostgresDatabase& db, const Clock& clockSource)
    : database(db)
    , clock(clockSource)
    , historyReader(db.statements(), HistoryReader::Planner::Postgres)
    , historyUsage(db.statements(), historyReader, HistoryReader::Planner::Postgres)
{
    connect(&database, &PostgresDatabase::changedElsewhere, this, [this](const QString& topic) {
        if (topic == HistoryTopic)
            changed();
        else if (topic.startsWith(AddedPrefix))
            took(topic);
    });
    connect(&database, &PostgresDatabase::reconnected, this, &PostgresHistory::changed);
}

bool PostgresHistory::clear()
{
    QSqlDatabase& handle = database.database();
    // No sign-out of another kiosk may come between the rows and what describes them.
    const bool stored = inTransaction(handle, [&] {
        return execAllLogged(
                   handle, QStringList { QStringLiteral("LOCK TABLE history IN EXCLUSIVE MODE") } + historyDeletion())
            && database.notify(HistoryTopic);
    });
    changed();
    return stored;
}

bool PostgresHistory::add(const Student& student, const Item& item)
{
    const QDateTime now = clock.now();
    // The notice to the other kiosks in the same statement: sent when, and
    // only when, the row is there. It is the row as stored, which this kiosk
    // takes in as the others do. A notice holds less than 8000 bytes.
    const auto query = database.statements().run(
        QStringLiteral("WITH added AS (INSERT INTO history (dateTime, day, studentName, studentId, "
                       "itemName, itemNumber) VALUES (?, ?, ?, ?, ?, ?) "
                       "ON CONFLICT (itemName, itemNumber, day) DO NOTHING "
                       "RETURNING dateTime, studentName, studentId, itemName, itemNumber), "
                       "notice AS (SELECT 'history ' || json_build_array(dateTime, studentName, studentId, "
                       "itemName, itemNumber)::text AS payload FROM added) "
                       "SELECT pg_notify(?, CASE WHEN octet_length(payload) < 8000 THEN payload ELSE 'history' END), "
                       "payload FROM notice"),
        { now.toMSecsSinceEpoch(), now.date(), textValue(student.name()), textValue(student.id()),
            textValue(item.name()), item.number(), PostgresDatabase::channel() });
    // Refused: another kiosk's sign-out of the item may have come first, and
    // its notice after this kiosk looked; what was read is read again.
    if (!query || !query->next()) {
        changed();
        return false;
    }
    took(query->value(1).toString());
    return true;
}

void PostgresHistory::took(const QString& notice)
{
    if (const auto entry = addedEntry(notice)) {
        historyReader.forget(*entry);
        announceAdded(*entry);
    } else {
        changed();
    }
}

void PostgresHistory::changed()
{
    historyReader.forget();
    announceRewritten();
}
