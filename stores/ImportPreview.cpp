#include "stores/ImportPreview.h"

#include "stores/studentsById.h"

ImportPreview::ImportPreview(StudentCsv csv, QList<Student> current)
    : m_csv(std::move(csv))
{
    // The last line of an ID wins, as in the list itself.
    m_imported = sortedById(m_csv.students);
    m_keepablePasswords.resize(m_imported.size());

    // Both in order of ID: one walk through each.
    current = sortedById(current);
    auto imported = m_imported.cbegin();
    for (const Student& student : std::as_const(current)) {
        while (imported != m_imported.cend() && imported->id() < student.id())
            ++imported;
        if (imported == m_imported.cend() || imported->id() != student.id()) {
            ++m_removedCount;
        } else if (!student.password().isNull()) {
            ++m_registeredStaying;
            if (imported->name() == student.name()) {
                m_keepablePasswords[imported - m_imported.cbegin()] = student.password();
                ++m_keepableCount;
            }
        }
    }
}

QList<Student> ImportPreview::students(bool keepPasswords) const
{
    QList<Student> list = m_imported;
    if (keepPasswords) {
        for (qsizetype i = 0; i < list.size(); ++i)
            list[i].setPassword(m_keepablePasswords.at(i));
    }
    return list;
}

int ImportPreview::clearedPasswordCount(bool keepPasswords) const
{
    return m_registeredStaying - (keepPasswords ? m_keepableCount : 0);
}
