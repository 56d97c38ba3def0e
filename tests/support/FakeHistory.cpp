#include "support/FakeHistory.h"

#include "stores/Clock.h"
#include "stores/searchFolding.h"

#include <QCollator>
#include <QSet>

#include <algorithm>
#include <tuple>

FakeHistory::FakeHistory(const Clock& clockSource)
    : clock(clockSource)
{
}

bool FakeHistory::clear()
{
    ++clearCalls;
    if (storing)
        stored.clear();
    announceRewritten();
    return storing;
}

bool FakeHistory::add(const Student& student, const Item& item)
{
    if (!storing) {
        announceRewritten();
        return false;
    }
    record(Entry(clock.now(), student, item));
    return true;
}

void FakeHistory::record(const Entry& entry)
{
    stored.append(entry);
    announceAdded(entry);
}

QList<Entry> FakeHistory::entries(
    const QDate& from, const QDate& to, const QStringList& studentFilters, const QStringList& itemFilters, bool* ok)
{
    queries.append({ from, to, studentFilters, itemFilters });
    ++reads;
    if (ok)
        *ok = reading;
    QList<Entry> result;
    if (!reading)
        return result;
    for (const Entry& entry : std::as_const(stored)) {
        if (HistoryQuery { from, to, studentFilters, itemFilters }.includes(entry))
            result.append(entry);
    }
    return result;
}

qsizetype FakeHistory::count(const HistoryQuery& query)
{
    queries.append({ query.from, query.to, query.studentWords, query.itemWords });
    ++reads;
    return reading ? found(query).size() : -1;
}

std::optional<bool> FakeHistory::isOut(const Item& item, const QDate& day)
{
    bool read = false;
    const QList<Entry> ofTheDay = entries(day, day, {}, {}, &read);
    if (!read)
        return std::nullopt;
    return std::any_of(
        ofTheDay.cbegin(), ofTheDay.cend(), [&item](const Entry& entry) { return entry.item() == item; });
}

QList<Entry> FakeHistory::slice(const HistoryQuery& query, qsizetype offset, qsizetype limit)
{
    ++reads;
    return reading ? found(query).mid(offset, limit) : QList<Entry>();
}

// In the query's order, ties in the order of recording, as the database store.
QList<Entry> FakeHistory::found(const HistoryQuery& query) const
{
    QList<std::pair<qsizetype, Entry>> rows;
    for (qsizetype row = 0; row < stored.size(); ++row) {
        const Entry& entry = stored.at(row);
        if (query.includes(entry))
            rows.append({ row, entry });
    }
    const auto keys = [&query](const std::pair<qsizetype, Entry>& row) {
        const Entry& entry = row.second;
        switch (query.order) {
        case HistoryQuery::ByStudent:
            return std::make_tuple(
                entry.student().name(), entry.student().id(), qint64(0), entry.msecsSinceEpoch(), row.first);
        case HistoryQuery::ByItem:
            return std::make_tuple(
                entry.item().name(), QString(), qint64(entry.item().number()), entry.msecsSinceEpoch(), row.first);
        case HistoryQuery::ByTime:
            break;
        }
        return std::make_tuple(QString(), QString(), qint64(0), entry.msecsSinceEpoch(), row.first);
    };
    // Names as the language in use sorts them; names of equal keys by code point.
    const QCollator collator;
    const auto before = [&](const auto& a, const auto& b) {
        const int collated = collator.compare(std::get<0>(keys(a)), std::get<0>(keys(b)));
        return collated != 0 ? collated < 0 : keys(a) < keys(b);
    };
    std::sort(rows.begin(), rows.end(), [&](const auto& a, const auto& b) {
        return query.direction == Qt::AscendingOrder ? before(a, b) : before(b, a);
    });
    QList<Entry> result;
    for (const auto& row : rows)
        result.append(row.second);
    return result;
}

QStringList FakeHistory::queryTexts() const
{
    QStringList texts;
    for (const Query& query : queries)
        texts.append(queryText(query.from, query.to, query.studentWords, query.itemWords));
    return texts;
}

QString FakeHistory::queryText(
    const QDate& from, const QDate& to, const QStringList& studentWords, const QStringList& itemWords)
{
    return QStringLiteral("%1..%2 [%3] [%4]")
        .arg(from.toString(Qt::ISODate), to.toString(Qt::ISODate), studentWords.join(QLatin1Char(',')),
            itemWords.join(QLatin1Char(',')));
}

Usage FakeHistory::usage(const UsageQuery& query)
{
    ++reads;
    Usage usage;
    usage.ok = reading;
    if (!reading)
        return usage;
    QSet<QDate> days;
    QMap<QString, QSet<QDate>> daysOut;
    QMap<QString, QSet<QString>> students;
    for (const Entry& entry : std::as_const(stored)) {
        const QString name = entry.item().name();
        const qint64 last = usage.lastSignOuts.value(entry.item(), entry.msecsSinceEpoch());
        usage.lastSignOuts.insert(entry.item(), std::max(last, entry.msecsSinceEpoch()));
        if (entry.date() < query.from || entry.date() > query.to
            || !containsSearchWords(entry.student().toString(), query.studentWords)
            || !containsSearchWords(entry.item().toString(), query.itemWords))
            continue;
        days.insert(entry.date());
        daysOut[name].insert(entry.date());
        students[name].insert(entry.student().id());
        ++usage.signOutsPerCopy[entry.item()];
        ++usage.weeks[entry.date().addDays(1 - entry.date().dayOfWeek())][name];
        ++usage.hours[(entry.date().dayOfWeek() - 1) * 24 + entry.time().hour()];
    }
    usage.schoolDays = days.size();
    for (auto day = daysOut.cbegin(); day != daysOut.cend(); ++day)
        usage.daysOut.insert(day.key(), day->size());
    for (auto student = students.cbegin(); student != students.cend(); ++student)
        usage.students.insert(student.key(), student->size());
    // Only the parts asked for, as the database reads them.
    Usage asked;
    asked.ok = true;
    if (query.parts & UsageQuery::PerInstrument) {
        asked.schoolDays = usage.schoolDays;
        asked.daysOut = usage.daysOut;
        asked.signOutsPerCopy = usage.signOutsPerCopy;
    }
    if (query.parts & UsageQuery::PerWeek)
        asked.weeks = usage.weeks;
    if (query.parts & UsageQuery::PerHour)
        asked.hours = usage.hours;
    if (query.parts & UsageQuery::LastSignOuts)
        asked.lastSignOuts = usage.lastSignOuts;
    if (query.parts & UsageQuery::Students)
        asked.students = usage.students;
    return asked;
}
