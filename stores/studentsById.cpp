#include "stores/studentsById.h"

#include <QMap>

#include <algorithm>

QList<Student> sortedById(const QList<Student>& list)
{
    const auto notAscending = [](const Student& a, const Student& b) { return !(a.id() < b.id()); };
    if (std::adjacent_find(list.cbegin(), list.cend(), notAscending) == list.cend())
        return list;

    QMap<QString, Student> map;
    for (const Student& student : list)
        map.insert(student.id(), student);
    return map.values();
}

QList<Student>::iterator findById(QList<Student>& students, const QString& id)
{
    const auto found = std::lower_bound(students.begin(), students.end(), id,
        [](const Student& student, const QString& key) { return student.id() < key; });
    return found != students.end() && found->id() == id ? found : students.end();
}
