#include "stores/HistoryReader.h"

#include "stores/PreparedStatements.h"
#include "stores/historySchema.h"
#include "stores/historySql.h"
#include "stores/sqlBatches.h"
#include "stores/sqlExec.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <numeric>
#include <tuple>

// SQLite cannot tell a long range from a short one: a long range in another
// order than time is read along that order's index instead of being sorted.
static constexpr qsizetype LongRange = 20000;
// The views of one history: the sign-out log, the history page, the printing page.
static constexpr qsizetype RememberedReadings = 4;
static constexpr qsizetype RememberedSlices = 8;
// A search that finds more rows than this is read slice by slice.
static constexpr qsizetype MaterializedRows = 5000;

namespace {

/// Reads entries from the rows of a query, the columns found by name once.
class EntryReader
{
public:
    explicit EntryReader(const QSqlRecord& record)
        : dateTime(record.indexOf(QStringLiteral("dateTime")))
        , studentName(record.indexOf(QStringLiteral("studentName")))
        , studentId(record.indexOf(QStringLiteral("studentId")))
        , itemName(record.indexOf(QStringLiteral("itemName")))
        , itemNumber(record.indexOf(QStringLiteral("itemNumber")))
    {
    }

    Entry entry(const QSqlQuery& query) const
    {
        return Entry(query.value(dateTime).toLongLong(),
            // No password: rows keep none, and older ones had theirs cleared.
            Student(query.value(studentName).toString(), query.value(studentId).toString(), QString()),
            Item(query.value(itemName).toString(), query.value(itemNumber).toInt()));
    }

private:
    int dateTime;
    int studentName;
    int studentId;
    int itemName;
    int itemNumber;
};

/// Reads the values of an order's columns from the rows of a query, the
/// columns found by name once (a driver may build its record on every lookup).
class KeyReader
{
public:
    KeyReader(const QSqlRecord& record, HistoryQuery::Order order)
    {
        // A column read is named without its table.
        for (const QString& column : orderColumns(order))
            columns.append(record.indexOf(column.section(QLatin1Char('.'), -1)));
    }

    /// Empty when a value is null, as a null cannot be compared to find the rows after it.
    QVariantList key(const QSqlQuery& query) const
    {
        QVariantList key;
        for (int column : columns) {
            const QVariant value = query.value(column);
            if (value.isNull())
                return {};
            key.append(value);
        }
        return key;
    }

private:
    QList<int> columns;
};

} // namespace

HistoryReader::HistoryReader(PreparedStatements& prepared, Planner plan)
    : statements(prepared)
    , planner(plan)
    , ranks(prepared)
{
}

// Texts folded one by one would each be a commit of their own.
bool HistoryReader::foldNewTextsAtOnce()
{
    return inTransaction(statements.database(), [this] { return foldNewTexts(statements); });
}

QList<Entry> HistoryReader::entries(
    const QDate& from, const QDate& to, const QStringList& studentFilters, const QStringList& itemFilters, bool* ok)
{
    QList<Entry> result;
    if (ok)
        *ok = false;
    if ((!studentFilters.isEmpty() || !itemFilters.isEmpty()) && !foldNewTextsAtOnce())
        return result;
    SqlPart statement { QStringLiteral("SELECT * FROM history WHERE "), {} };
    statement += dayRange(from, to);
    statement += wordConditions(studentFilters, itemFilters);
    // The index on dateTime would otherwise hand rows out in time order, and
    // callers rely on the order of recording.
    statement.text += QLatin1String(" ORDER BY rowid");

    const auto query = statements.run(statement.text, statement.values);
    if (!query)
        return result;
    const EntryReader reader(query->record());
    while (query->next())
        result.append(reader.entry(*query));
    // A read can also fail halfway (a damaged page, a lock): then next() stops early.
    if (ok)
        *ok = !query->lastError().isValid();
    return result;
}

qsizetype HistoryReader::count(const HistoryQuery& query)
{
    if (!ranksReady(query.order))
        return -1;
    Reading& reading = readingOf(query);
    if (reading.count >= 0)
        return reading.count;
    if (query.hasWords()) {
        reading.count = foldNewTextsAtOnce() ? countMatching(query) : -1;
        // Few matches are read once, in order; many are read slice by slice,
        // as a range without words is, so that memory stays small.
        if (reading.count >= 0 && reading.count <= MaterializedRows) {
            reading.matchingRows = matchingRows(query);
            if (!reading.matchingRows)
                reading.count = -1;
        }
    } else if (const auto spans = spansOf(query.from, query.to)) {
        reading.spans = *spans;
        reading.count = std::accumulate(spans->cbegin(), spans->cend(), qsizetype(0),
            [](qsizetype sum, const Span& span) { return sum + span.entries; });
    }
    return reading.count;
}

QList<Entry> HistoryReader::slice(const HistoryQuery& query, qsizetype offset, qsizetype limit)
{
    if (!ranksReady(query.order))
        return {};
    const qsizetype total = count(query);
    Reading& reading = readingOf(query);
    limit = std::min(limit, total - offset);
    if (offset < 0 || limit <= 0)
        return {};
    if (reading.matchingRows)
        return rowsInOrder(reading.matchingRows->mid(offset, limit));
    return sliceInOrder(reading, offset, limit);
}

// One row looked up through the index on the item and the moment, however
// full the day is.
std::optional<bool> HistoryReader::isOut(const Item& item, const QDate& day)
{
    SqlPart statement { QStringLiteral("SELECT 1 FROM history WHERE itemName = ? AND itemNumber = ? AND "),
        { item.name(), item.number() } };
    statement += dayRange(day, day);
    statement.text += QLatin1String(" LIMIT 1");
    const auto query = statements.run(statement.text, statement.values);
    if (!query)
        return std::nullopt;
    const bool found = query->next();
    if (query->lastError().isValid())
        return std::nullopt;
    return found;
}

HistoryReader::Reading& HistoryReader::readingOf(const HistoryQuery& query)
{
    const auto found = std::find_if(
        readings.begin(), readings.end(), [&query](const Reading& reading) { return reading.query == query; });
    if (found != readings.end()) {
        readings.move(found - readings.begin(), 0);
        return readings.first();
    }
    if (readings.size() >= RememberedReadings)
        readings.removeLast();
    readings.prepend(Reading { query, -1, {}, std::nullopt, {} });
    return readings.first();
}

bool HistoryReader::forEachEntry(const std::function<void(const Entry&)>& take)
{
    const auto query = statements.run(QStringLiteral("SELECT * FROM history ORDER BY rowid"));
    if (!query)
        return false;
    const EntryReader reader(query->record());
    while (query->next())
        take(reader.entry(*query));
    return !query->lastError().isValid();
}

void HistoryReader::forget()
{
    readings.clear();
    ranks.forget();
}

void HistoryReader::forget(const Entry& entry)
{
    ranks.mayHaveGrown();
    readings.removeIf([&entry](const Reading& reading) { return reading.query.includes(entry); });
}

// What was read in the order of a name before its ranks were built anew (in
// another language, with a new name) is in another order.
bool HistoryReader::ranksReady(HistoryQuery::Order order)
{
    const NameRanks::Outcome outcome = ranks.prepare(order);
    if (outcome == NameRanks::Outcome::Rebuilt)
        readings.clear();
    return outcome != NameRanks::Outcome::Failed;
}

/// The first column of the one row \a statement reads; -1 when it fails.
static qsizetype number(PreparedStatements& statements, const SqlPart& statement)
{
    const auto query = statements.run(statement.text, statement.values);
    return query && query->next() ? query->value(0).toLongLong() : -1;
}

static qsizetype countRows(PreparedStatements& statements, qint64 start, qint64 end)
{
    if (start >= end)
        return 0;
    SqlPart statement { QStringLiteral("SELECT count(*) FROM history WHERE "), {} };
    statement += momentRange(start, end);
    return number(statements, statement);
}

// Whole days are counted from historyDays; only the parts of days at either
// end of the range are counted row by row.
std::optional<QList<HistoryReader::Span>> HistoryReader::spansOf(const QDate& from, const QDate& to)
{
    const auto [start, end] = momentsOf(from, to);
    const qint64 firstWholeDay = dayOf(start - 1) + 1;
    const qint64 endOfWholeDays = dayOf(end);
    if (start >= end)
        return QList<Span>();
    if (firstWholeDay >= endOfWholeDays) {
        const qsizetype entries = countRows(statements, start, end);
        if (entries < 0)
            return std::nullopt;
        return QList<Span> { { start, end, entries } };
    }

    QList<Span> spans { { start, firstWholeDay * MSecsPerDay,
        countRows(statements, start, firstWholeDay * MSecsPerDay) } };
    const auto days
        = statements.run(QStringLiteral("SELECT day, entries FROM historyDays WHERE day >= ? AND day < ? ORDER BY day"),
            { firstWholeDay, endOfWholeDays });
    if (!days)
        return std::nullopt;
    while (days->next()) {
        const qint64 day = days->value(0).toLongLong();
        spans.append({ day * MSecsPerDay, (day + 1) * MSecsPerDay, days->value(1).toLongLong() });
    }
    if (days->lastError().isValid())
        return std::nullopt;
    spans.append({ endOfWholeDays * MSecsPerDay, end, countRows(statements, endOfWholeDays * MSecsPerDay, end) });
    if (spans.first().entries < 0 || spans.last().entries < 0)
        return std::nullopt;
    return spans;
}

qsizetype HistoryReader::countMatching(const HistoryQuery& query)
{
    SqlPart statement { QStringLiteral("SELECT count(*) FROM history WHERE "), {} };
    statement += dayRange(query.from, query.to);
    statement += wordConditions(query.studentWords, query.itemWords);
    return number(statements, statement);
}

std::optional<QList<qint64>> HistoryReader::matchingRows(const HistoryQuery& query)
{
    SqlPart statement { QStringLiteral("SELECT history.rowid FROM %1 WHERE ").arg(orderedHistory(query.order, false)),
        {} };
    statement += dayRange(query.from, query.to);
    statement += wordConditions(query.studentWords, query.itemWords);
    statement.text += orderBy(query.order, query.direction);
    const auto rows = statements.run(statement.text, statement.values);
    if (!rows)
        return std::nullopt;
    QList<qint64> result;
    while (rows->next())
        result.append(rows->value(0).toLongLong());
    if (rows->lastError().isValid())
        return std::nullopt;
    return result;
}

// A slice read in order: after or before a slice read earlier (scrolling
// on), else, in time order and without words, from the day the row falls
// on, else, in the order of a name and without words, from the name the row
// falls in when the range holds the whole history, else counted from the
// nearer end of the range (a jump). In time order with words, a slice read
// from a known place is looked for in a window.
QList<Entry> HistoryReader::sliceInOrder(Reading& reading, qsizetype offset, qsizetype limit)
{
    const HistoryQuery& query = reading.query;
    const auto endsAt
        = [offset](const Slice& slice) { return slice.offset + slice.size == offset && !slice.lastKey.isEmpty(); };
    const auto startsAt
        = [offset, limit](const Slice& slice) { return slice.offset == offset + limit && !slice.firstKey.isEmpty(); };
    const auto previous = std::find_if(reading.slices.cbegin(), reading.slices.cend(), endsAt);
    const auto next = std::find_if(reading.slices.cbegin(), reading.slices.cend(), startsAt);

    // Plain variables: C++17 lets no lambda capture a structured binding.
    qint64 start = 0;
    qint64 end = 0;
    std::tie(start, end) = momentsOf(query.from, query.to);
    SqlPart afterSlice;
    qsizetype skipped = 0;
    bool backwards = false;
    const auto continueFrom = [&](const QVariantList& key, Qt::SortOrder direction) {
        afterSlice = after(query.order, direction, key);
        if (query.order == HistoryQuery::ByTime)
            narrowTo(key, direction, start, end);
    };
    if (previous != reading.slices.cend()) {
        continueFrom(previous->lastKey, query.direction);
    } else if (next != reading.slices.cend()) {
        backwards = true;
        continueFrom(next->firstKey, reversed(query.direction));
    } else if (!reading.spans.isEmpty() && query.order == HistoryQuery::ByTime) {
        // Straight to the day the row falls on, through the counts of the days
        // before it, and into that day from its nearer end: the newest rows of
        // a full day, which the sign-out log reads again, pass none of the others.
        skipped = offset;
        const bool ascending = query.direction == Qt::AscendingOrder;
        for (qsizetype i = 0; i < reading.spans.size(); ++i) {
            const Span& span = reading.spans.at(ascending ? i : reading.spans.size() - 1 - i);
            if (skipped < span.entries) {
                const qsizetype fromFarEnd = span.entries - skipped - limit;
                backwards = fromFarEnd >= 0 && fromFarEnd < skipped;
                if (backwards)
                    skipped = fromFarEnd;
                if (ascending != backwards)
                    start = span.start;
                else
                    end = span.end;
                break;
            }
            skipped -= span.entries;
        }
    } else if (const auto rank = query.order == HistoryQuery::ByTime || query.hasWords()
            ? std::nullopt
            : ranks.startOf(query.order, query.direction, offset, reading.count)) {
        skipped = offset - rank->rowsBefore;
        afterSlice = fromRank(query.direction, rank->rank);
    } else if (offset <= reading.count - offset - limit) {
        skipped = offset;
    } else {
        backwards = true;
        skipped = reading.count - offset - limit;
    }
    const Qt::SortOrder readOrder = backwards ? reversed(query.direction) : query.direction;
    const bool walkOrderIndex
        = planner == Planner::Sqlite && query.order != HistoryQuery::ByTime && reading.count > LongRange;
    // Rows skipped in the order of a name pass through a sort of the rows of
    // each name (ties go to the order of recording, which the index does not
    // hold): only their keys, from the index alone, then the slice's rows.
    const bool keysFirst = query.order != HistoryQuery::ByTime && skipped > 0;
    const auto rowsBetween = [&](qint64 from, qint64 until) {
        SqlPart statement { QStringLiteral("SELECT %1 FROM %2 WHERE ")
                                .arg(keysFirst ? orderColumns(query.order).join(QLatin1String(", "))
                                               : QStringLiteral("history.rowid, *"),
                                    orderedHistory(query.order, walkOrderIndex)),
            {} };
        statement += momentRange(from, until, walkOrderIndex);
        statement += wordConditions(query.studentWords, query.itemWords);
        statement += afterSlice;
        statement.text += orderBy(query.order, readOrder) + QLatin1String(" LIMIT ? OFFSET ?");
        statement.values << limit << skipped;
        return readRows(statement, query.order, keysFirst);
    };
    // In time order a database may gather every match of a word in the range
    // to sort them (PostgreSQL does). The slice is read instead from a window
    // at the end it starts from, as wide as the matches' share of the range
    // suggests, widened until it holds the slice.
    qint64 window = end - start;
    if (query.order == HistoryQuery::ByTime && query.hasWords() && skipped == 0)
        window = std::max<qint64>(1, window * 2 * limit / std::max<qsizetype>(reading.count, 1));
    Rows rows;
    for (;; window *= 4) {
        const bool whole = window >= end - start;
        const qint64 from = whole || readOrder == Qt::AscendingOrder ? start : end - window;
        const qint64 until = whole || readOrder == Qt::DescendingOrder ? end : start + window;
        rows = rowsBetween(from, until);
        if (whole || rows.entries.size() == limit)
            break;
    }
    if (rows.entries.isEmpty())
        return {};
    if (backwards) {
        std::reverse(rows.entries.begin(), rows.entries.end());
        std::swap(rows.firstKey, rows.lastKey);
    }
    if (reading.slices.size() >= RememberedSlices)
        reading.slices.removeFirst();
    reading.slices.append({ offset, rows.entries.size(), rows.firstKey, rows.lastKey });
    return rows.entries;
}

HistoryReader::Rows HistoryReader::readRows(const SqlPart& statement, HistoryQuery::Order order, bool keysOnly)
{
    Rows rows;
    const auto query = statements.run(statement.text, statement.values);
    if (!query)
        return rows;
    const EntryReader reader(query->record());
    const KeyReader keys(query->record(), order);
    const int row = query->record().indexOf(QStringLiteral("rowid"));
    QList<qint64> found;
    while (query->next()) {
        if (keysOnly)
            found.append(query->value(row).toLongLong());
        else
            rows.entries.append(reader.entry(*query));
        rows.lastKey = keys.key(*query);
        if (rows.entries.size() + found.size() == 1)
            rows.firstKey = rows.lastKey;
    }
    if (keysOnly)
        rows.entries = rowsInOrder(found);
    return rows;
}

QList<Entry> HistoryReader::rowsInOrder(const QList<qint64>& rows)
{
    if (rows.isEmpty())
        return {};
    QVariantList values(rows.cbegin(), rows.cend());
    // PostgreSQL takes the rows as one array, whatever their number.
    const auto query = planner == Planner::Postgres
        ? statements.run(
            QStringLiteral("SELECT rowid, * FROM history WHERE rowid = ANY (?::bigint[])"), { postgresArray(values) })
        : statements.run(QStringLiteral("SELECT rowid, * FROM history WHERE rowid IN (%1)")
                             .arg(QStringList(rows.size(), QStringLiteral("?")).join(QLatin1Char(','))),
            values);
    if (!query)
        return {};
    const EntryReader reader(query->record());
    QHash<qint64, Entry> byRow;
    while (query->next())
        byRow.insert(query->value(0).toLongLong(), reader.entry(*query));
    QList<Entry> result;
    for (qint64 row : rows)
        if (const auto found = byRow.constFind(row); found != byRow.cend())
            result.append(*found);
    return result;
}
