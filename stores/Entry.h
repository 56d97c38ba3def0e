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
    /// \a msecsSinceEpoch: the moment in milliseconds since 1970-01-01 00:00 UTC.
    Entry(qint64 msecsSinceEpoch, Student student, Item item);

    /// The moment in local time.
    QDateTime dateTime() const;
    QDate date() const { return dateTime().date(); }
    QTime time() const { return dateTime().time(); }
    /// The moment in milliseconds since the epoch: compared without time zones.
    qint64 msecsSinceEpoch() const { return m_msecsSinceEpoch; }
    const Student& student() const { return m_student; }
    const Item& item() const { return m_item; }

private:
    // Kept as an instant and turned into local time only when asked: a year
    // of history would cost a time-zone conversion per row, and a view shows
    // a few dozen rows of it.
    bool m_valid = false;
    qint64 m_msecsSinceEpoch = 0;
    Student m_student;
    Item m_item;
};

// Only relocatable members: a growing QList moves it without copying.
Q_DECLARE_TYPEINFO(Entry, Q_RELOCATABLE_TYPE);

#endif
