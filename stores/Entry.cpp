#include "stores/Entry.h"

Entry::Entry(const QDateTime& dateTime, const Student& student, const Item& item)
    : m_dateTime(dateTime)
    , m_student(student)
    , m_item(item)
{
}
