#ifndef ENTRY_H
#define ENTRY_H

#include "stores/Item.h"
#include "stores/Student.h"

#include <QDateTime>

/// One recorded sign-out: a snapshot of the student and the item at that moment.
class Entry
{
public:
    Entry() = default;
    Entry(const QDateTime& dateTime, const Student& student, const Item& item);

    const QDateTime& dateTime() const { return m_dateTime; }
    QDate date() const { return m_dateTime.date(); }
    QTime time() const { return m_dateTime.time(); }
    const Student& student() const { return m_student; }
    const Item& item() const { return m_item; }

private:
    QDateTime m_dateTime;
    Student m_student;
    Item m_item;
};

#endif
