#ifndef IMPORTPREVIEW_H
#define IMPORTPREVIEW_H

#include "stores/Student.h"
#include "stores/studentCsv.h"

#include <QList>

/// What importing a student CSV file would do to the current list, worked out
/// before anything changes, so that staff see it and decide.
class ImportPreview
{
public:
    ImportPreview(StudentCsv csv, QList<Student> current);

    const StudentCsv& csv() const { return m_csv; }
    /// The list the import sets, in ascending order of ID: each ID once, from
    /// its last line; with \a keepPasswords, students whose ID and name stay
    /// keep their registered password.
    QList<Student> students(bool keepPasswords) const;
    int studentCount() const { return int(m_imported.size()); }
    /// Current students whose ID is not in the file.
    int removedCount() const { return m_removedCount; }
    /// Registered passwords of students who stay that the import clears.
    int clearedPasswordCount(bool keepPasswords) const;
    /// Registered passwords that keeping them keeps: ID and name stay.
    int keepablePasswordCount() const { return m_keepableCount; }

private:
    StudentCsv m_csv;
    QList<Student> m_imported; // in ascending order of ID
    QList<QString> m_keepablePasswords; // beside m_imported; null where none can be kept
    int m_removedCount = 0;
    int m_registeredStaying = 0;
    int m_keepableCount = 0;
};

#endif
