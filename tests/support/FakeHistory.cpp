#include "support/FakeHistory.h"

bool FakeHistory::clear()
{
    ++clearCalls;
    if (storing)
        recorded.clear();
    emit modified();
    return storing;
}

bool FakeHistory::add(const Student& student, const Item& item)
{
    record(Entry(QDateTime::currentDateTime(), student, item));
    return true;
}

QList<Entry> FakeHistory::entries(const QDate& from, const QDate& to, const QStringList&, const QStringList&)
{
    QList<Entry> found;
    for (const Entry& entry : std::as_const(recorded))
        if (entry.date() >= from && entry.date() <= to)
            found.append(entry);
    return found;
}

void FakeHistory::record(const Entry& entry)
{
    recorded.append(entry);
    emit modified();
}
