#include "support/FakeHistory.h"

#include "stores/Clock.h"

#include <algorithm>

FakeHistory::FakeHistory(const Clock& clock)
    : clock(clock)
{
}

bool FakeHistory::clear()
{
    ++clearCalls;
    if (storing)
        stored.clear();
    emit modified();
    return storing;
}

bool FakeHistory::add(const Student& student, const Item& item)
{
    if (storing)
        stored.append(Entry(clock.now(), student, item));
    emit modified();
    return storing;
}

void FakeHistory::record(const Entry& entry)
{
    stored.append(entry);
    emit modified();
}

static bool containsAll(const QString& text, const QStringList& words)
{
    return std::all_of(words.cbegin(), words.cend(),
        [&text](const QString& word) { return text.contains(word, Qt::CaseInsensitive); });
}

QList<Entry> FakeHistory::entries(const QDate& from, const QDate& to, const QStringList& studentFilters,
                                  const QStringList& itemFilters, bool* ok)
{
    queries.append({ from, to, studentFilters, itemFilters });
    if (ok)
        *ok = reading;
    QList<Entry> result;
    if (!reading)
        return result;
    for (const Entry& entry : std::as_const(stored)) {
        if (entry.date() >= from && entry.date() <= to && containsAll(entry.student().toString(), studentFilters)
            && containsAll(entry.item().toString(), itemFilters))
            result.append(entry);
    }
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
