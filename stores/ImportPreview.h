#ifndef IMPORTPREVIEW_H
#define IMPORTPREVIEW_H

#include "stores/Student.h"
#include "stores/studentCsv.h"

#include <QList>
#include <QMap>

/// What importing a student CSV file would do to the current list, worked out
/// before anything changes, so that staff see it and decide.
class ImportPreview
{
public:
    ImportPreview(StudentCsv csv, const QList<Student>& current);

    const StudentCsv& csv() const { return m_csv; }
    /// The list the import sets: each ID once, from its last line; with
    /// \a keepPasswords, students whose ID and name stay keep their password.
    QList<Student> students(bool keepPasswords) const;
    int studentCount() const { return int(m_imported.size()); }
    /// Current students whose ID is not in the file.
    int removedCount() const { return m_removedCount; }
    /// Registered passwords of students who stay that the import clears.
    int clearedPasswordCount(bool keepPasswords) const;
    /// Registered passwords that keeping them keeps: ID and name stay.
    int keepablePasswordCount() const { return int(m_keepable.size()); }

private:
    StudentCsv m_csv;
    QMap<QString, Student> m_imported; // by ID
    QMap<QString, QString> m_keepable; // ID to password
    int m_removedCount = 0;
    int m_registeredStaying = 0;
};

#endif
