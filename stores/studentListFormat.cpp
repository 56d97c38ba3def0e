#include "stores/studentListFormat.h"

#include <QDataStream>

QList<Student> readStudentList(QDataStream& stream)
{
    quint32 count = 0;
    stream >> count;

    // The count is not trusted for reserving memory: a damaged file may claim
    // four billion records and hold three.
    QList<Student> students;
    for (quint32 i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
        Student student;
        stream >> student;
        students.append(student);
        if (stream.atEnd())
            break;
    }
    return students;
}

bool writeStudentList(QDataStream& stream, const QList<Student>& students)
{
    stream << quint32(students.size());
    for (const Student& student : students)
        stream << student;
    return stream.status() == QDataStream::Ok;
}
