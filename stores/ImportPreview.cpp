#include "stores/ImportPreview.h"

#include <algorithm>

static bool idBefore(const Student& a, const Student& b)
{
    return a.id() < b.id();
}

// Lists are sorted only when they are not in order yet: a school's list and
// most files are.
static void sortById(QList<Student>& list, bool stable)
{
    if (std::is_sorted(list.cbegin(), list.cend(), idBefore))
        return;
    if (stable)
        std::stable_sort(list.begin(), list.end(), idBefore);
    else
        std::sort(list.begin(), list.end(), idBefore);
}

ImportPreview::ImportPreview(StudentCsv csv, QList<Student> current)
    : m_csv(std::move(csv))
{
    // Stable, so that the last line of an ID comes last among its lines.
    QList<Student> read = m_csv.students;
    sortById(read, true);
    for (qsizetype i = 0; i < read.size(); ++i) {
        if (i + 1 == read.size() || read.at(i + 1).id() != read.at(i).id())
            m_imported.append(read.at(i));
    }
    m_keepablePasswords.resize(m_imported.size());

    // Both in order of ID: one walk through each.
    sortById(current, false);
    auto imported = m_imported.cbegin();
    for (const Student& student : std::as_const(current)) {
        while (imported != m_imported.cend() && idBefore(*imported, student))
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
