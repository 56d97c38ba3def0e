#include "stores/ImportPreview.h"

ImportPreview::ImportPreview(StudentCsv csv, const QList<Student>& current)
    : m_csv(std::move(csv))
{
    for (const Student& student : m_csv.students)
        m_imported.insert(student.id(), student);
    for (const Student& student : current) {
        const auto imported = m_imported.constFind(student.id());
        if (imported == m_imported.cend()) {
            ++m_removedCount;
        } else if (!student.password().isNull()) {
            ++m_registeredStaying;
            if (imported->name() == student.name())
                m_keepable.insert(student.id(), student.password());
        }
    }
}

QList<Student> ImportPreview::students(bool keepPasswords) const
{
    QList<Student> list = m_imported.values();
    if (keepPasswords) {
        for (Student& student : list)
            student.setPassword(m_keepable.value(student.id()));
    }
    return list;
}

int ImportPreview::clearedPasswordCount(bool keepPasswords) const
{
    return m_registeredStaying - (keepPasswords ? keepablePasswordCount() : 0);
}
