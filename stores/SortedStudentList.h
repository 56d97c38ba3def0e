#ifndef SORTEDSTUDENTLIST_H
#define SORTEDSTUDENTLIST_H

#include "stores/AbstractStudentList.h"

/// A student list whose students are held in memory in ascending order of ID,
/// each ID once: the many reads of a sign-out and a view cost no I/O. Where
/// the list lives (a file, a shared database) is its subclass's matter.
class SortedStudentList : public AbstractStudentList
{
    Q_OBJECT

public:
    bool contains(const QString& id) override;
    int count() override;
    Student at(int index) override;
    Student student(const QString& id) override;

protected:
    QList<Student>::iterator find(const QString& id);

    QList<Student> students; // sorted by ID, each ID once
};

#endif
