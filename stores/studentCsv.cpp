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
        // The sign-out page trims the ID typed, so a padded one could never sign in.
        const QString id = fields.at(0).trimmed();
        if (id.isEmpty())
            continue;
        students.append(Student(fields.at(1) + QLatin1Char(' ') + fields.at(2), id, QString()));
    }
    return students;
}
