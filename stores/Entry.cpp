#include "stores/Entry.h"

Entry::Entry(const QDateTime& dateTime, const Student& student, const Item& item)
    : m_valid(dateTime.isValid())
    , m_msecsSinceEpoch(dateTime.toMSecsSinceEpoch())
    , m_student(student)
    , m_item(item)
{
}

Entry::Entry(qint64 msecsSinceEpoch, Student student, Item item)
    : m_valid(true)
    , m_msecsSinceEpoch(msecsSinceEpoch)
    , m_student(std::move(student))
    , m_item(std::move(item))
{
}

QDateTime Entry::dateTime() const
{
    return m_valid ? QDateTime::fromMSecsSinceEpoch(m_msecsSinceEpoch) : QDateTime();
}
