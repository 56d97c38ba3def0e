#include "stores/studentCsv.h"

#include <QTextStream>

QList<Student> readStudentCsv(QTextStream& stream)
{
    stream.setEncoding(QStringConverter::System);

    QList<Student> students;
    if (!stream.atEnd())
        stream.readLine(); // the header
    while (!stream.atEnd()) {
        const QStringList fields = stream.readLine().split(QLatin1Char(','));
        if (fields.size() < 3)
            continue;
        students.append(Student(fields.at(1) + QLatin1Char(' ') + fields.at(2), fields.at(0), QString()));
    }
    return students;
}
