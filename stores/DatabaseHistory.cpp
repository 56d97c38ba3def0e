#include "stores/DatabaseHistory.h"

#include "stores/Clock.h"
#include "stores/historySchema.h"
#include "stores/historySql.h"
#include "stores/sqlBatches.h"
#include "stores/sqlExec.h"

#include <QSqlQuery>

DatabaseHistory::DatabaseHistory(const Clock& clockSource, const ProgressNote& upgradeNote)
    : clock(clockSource)
    , table(QStringLiteral("history"), historyColumns(), historySchema(), upgradeNote)
    , database(table.database())
    , statements(database)
    , historyReader(statements, HistoryReader::Planner::Sqlite)
    , historyUsage(statements, historyReader, HistoryReader::Planner::Sqlite)
{
}

DatabaseHistory::~DatabaseHistory() = default;

bool DatabaseHistory::clear()
{
    // Not without a backup to undo it from, where one is asked for.
    const bool stored = (!safeguard || safeguard(QStringLiteral("clear-history")))
        && inTransaction(database, [this] { return execAllLogged(database, historyDeletion()); });
    // What was read may have moved: rows came in, or all went.
    historyReader.forget();
    announceRewritten();
    return stored;
}

bool DatabaseHistory::add(const Student& student, const Item& item)
{
    const Entry entry(clock.now(), Student(textValue(student.name()), textValue(student.id()), QString()),
        Item(textValue(item.name()), item.number()));
    QSqlQuery query(database);
    query.prepare(QStringLiteral("INSERT INTO history VALUES(:dateTime, :studentName, :studentId, :studentPassword, "
                                 ":itemName, :itemNumber)"));
    query.bindValue(QStringLiteral(":dateTime"), entry.msecsSinceEpoch());
    query.bindValue(QStringLiteral(":studentName"), entry.student().name());
    query.bindValue(QStringLiteral(":studentId"), entry.student().id());
    // Never the password: rows are kept for years, and the list has it.
    query.bindValue(QStringLiteral(":studentPassword"), QVariant(QMetaType::fromType<QString>()));
    query.bindValue(QStringLiteral(":itemName"), entry.item().name());
    query.bindValue(QStringLiteral(":itemNumber"), entry.item().number());
    // Not stored: nothing to tell, and views read again, as after any failure.
    if (!execLogged(query)) {
        historyReader.forget();
        announceRewritten();
        return false;
    }
    historyReader.forget(entry);
    announceAdded(entry);
    return true;
}
