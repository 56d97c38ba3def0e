#include "stores/historySql.h"

#include "stores/searchFolding.h"
#include "stores/sqlBatches.h"

#include <algorithm>

SqlPart& SqlPart::operator+=(const SqlPart& other)
{
    text += other.text;
    values += other.values;
    return *this;
}

SqlPart momentRange(qint64 start, qint64 end, bool walkOrderIndex)
{
    return { walkOrderIndex ? QStringLiteral("+dateTime >= ? AND +dateTime < ?")
                            : QStringLiteral("dateTime >= ? AND dateTime < ?"),
        { start, end } };
}

std::pair<qint64, qint64> momentsOf(const QDate& from, const QDate& to)
{
    return { from.startOfDay().toMSecsSinceEpoch(), to.addDays(1).startOfDay().toMSecsSinceEpoch() };
}

SqlPart dayRange(const QDate& from, const QDate& to)
{
    const auto [start, end] = momentsOf(from, to);
    return momentRange(start, end);
}

// The escape character is "!", declared on both databases and escaped
// itself: a backslash in the statement's text would mean something else on
// a PostgreSQL server with standard_conforming_strings off.
QString searchPattern(const QString& word)
{
    QStringList pieces = searchPieces(word);
    for (QString& piece : pieces)
        piece.replace(QLatin1Char('!'), QLatin1String("!!"));
    return QLatin1Char('%') + pieces.join(QLatin1Char('%')) + QLatin1Char('%');
}

// Words are matched against the few distinct students and items of the
// history, not against every row; the rows then come through the indexes.
static SqlPart matching(const QString& columns, const QString& table, const QString& keys, const QStringList& words)
{
    if (words.isEmpty())
        return {};
    SqlPart part { QStringLiteral(" AND (%1) IN (SELECT %2 FROM %3 WHERE ").arg(columns, keys, table), {} };
    for (qsizetype i = 0; i < words.size(); ++i) {
        part.text += (i ? QLatin1String(" AND ") : QLatin1String("")) + QLatin1String("folded LIKE ? ESCAPE '!'");
        part.values.append(searchPattern(words.at(i)));
    }
    part.text += QLatin1Char(')');
    return part;
}

SqlPart wordConditions(const QStringList& studentWords, const QStringList& itemWords)
{
    SqlPart part = matching(QStringLiteral("studentName, studentId"), QStringLiteral("historyStudents"),
        QStringLiteral("name, id"), studentWords);
    part += matching(QStringLiteral("itemName, itemNumber"), QStringLiteral("historyItems"),
        QStringLiteral("name, number"), itemWords);
    return part;
}

QStringList orderColumns(HistoryQuery::Order order)
{
    switch (order) {
    case HistoryQuery::ByStudent:
        return { "rank", "studentId", "dateTime", "history.rowid" };
    case HistoryQuery::ByItem:
        return { "rank", "dateTime", "history.rowid" };
    case HistoryQuery::ByTime:
        break;
    }
    return { "dateTime", "history.rowid" };
}

QString orderedHistory(HistoryQuery::Order order, bool walkOrderIndex)
{
    if (order == HistoryQuery::ByTime)
        return QStringLiteral("history");
    const bool byStudent = order == HistoryQuery::ByStudent;
    const QString names = byStudent ? QStringLiteral("studentOrder") : QStringLiteral("itemOrder");
    const QString same
        = byStudent ? QStringLiteral("studentName = name") : QStringLiteral("itemName = name AND itemNumber = number");
    // SQLite keeps the tables in the order written after CROSS JOIN.
    return walkOrderIndex ? QStringLiteral("%1 CROSS JOIN history ON %2").arg(names, same)
                          : QStringLiteral("history JOIN %1 ON %2").arg(names, same);
}

QString orderBy(HistoryQuery::Order order, Qt::SortOrder direction)
{
    const QString suffix = direction == Qt::DescendingOrder ? QStringLiteral(" DESC") : QString();
    QStringList terms;
    for (const QString& column : orderColumns(order))
        terms.append(column + suffix);
    return QLatin1String(" ORDER BY ") + terms.join(QLatin1String(", "));
}

SqlPart after(HistoryQuery::Order order, Qt::SortOrder direction, const QVariantList& key)
{
    const QString beyond = direction == Qt::DescendingOrder ? QStringLiteral("<") : QStringLiteral(">");
    if (order == HistoryQuery::ByTime) {
        // Written out, as SQLite seeks in the dateTime index only for this
        // form; the caller narrows the range to the key's moment.
        return { QStringLiteral(" AND (dateTime %1 ? OR history.rowid %1 ?)").arg(beyond), { key.at(0), key.at(1) } };
    }
    // The rank written out on its own, so that the names' table is entered at it.
    const QStringList columns = orderColumns(order).mid(1);
    return { QStringLiteral(" AND rank %1= ? AND (rank %1 ? OR (%2) %1 (%3))")
                 .arg(beyond, columns.join(QLatin1String(", ")),
                     repeated(QStringLiteral("?"), QStringLiteral(", "), columns.size())),
        QVariantList { key.at(0) } + key };
}

SqlPart fromRank(Qt::SortOrder direction, qint64 rank)
{
    return { direction == Qt::DescendingOrder ? QStringLiteral(" AND rank <= ?") : QStringLiteral(" AND rank >= ?"),
        { rank } };
}

void narrowTo(const QVariantList& key, Qt::SortOrder direction, qint64& start, qint64& end)
{
    const qint64 moment = key.at(0).toLongLong();
    if (direction == Qt::AscendingOrder)
        start = std::max(start, moment);
    else
        end = std::min(end, moment + 1);
}

QStringList historyDeletion()
{
    return { QStringLiteral("DELETE FROM history"), QStringLiteral("DELETE FROM historyDays"),
        QStringLiteral("DELETE FROM historyStudents"), QStringLiteral("DELETE FROM historyItems"),
        QStringLiteral("DELETE FROM historyItemDays"), QStringLiteral("DELETE FROM historyHours"),
        QStringLiteral("DELETE FROM historyCopies"), QStringLiteral("DELETE FROM historyItemStudents"),
        QStringLiteral("DELETE FROM historyCopyDays"), QStringLiteral("DELETE FROM historyItemStudentDays") };
}

Qt::SortOrder reversed(Qt::SortOrder direction)
{
    return direction == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
}
