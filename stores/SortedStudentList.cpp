#include "stores/SortedStudentList.h"

#include "stores/studentsById.h"

bool SortedStudentList::contains(const QString& id)
{
    return find(id) != students.end();
}

int SortedStudentList::count()
{
    return int(students.size());
}

Student SortedStudentList::at(int index)
{
    return students.at(index);
}

Student SortedStudentList::student(const QString& id)
{
    const auto found = find(id);
    return found == students.end() ? Student() : *found;
}

QList<Student>::iterator SortedStudentList::find(const QString& id)
{
    return findById(students, id);
}
