#ifndef FILESTUDENTLIST_H
#define FILESTUDENTLIST_H

#include "stores/SortedStudentList.h"
#include "stores/safeguard.h"

/// The student list, kept in memory in ascending order of ID and saved to its
/// file after every change and at destruction.
class FileStudentList : public SortedStudentList
{
    Q_OBJECT

public:
    explicit FileStudentList(const QString& path);
    ~FileStudentList() override;

    bool setStudents(const QList<Student>& students) override;
    /// The replaced list is kept in the file named after the list's with
    /// ".before-import" appended, written like the list itself.
    bool importStudents(const QList<Student>& students) override;
    KeptList keptList() override;
    bool undoImport() override;
    bool setPassword(const QString& id, const QString& password) override;
    Registration registerPassword(const QString& id, const QString& password) override;
    bool clearPasswords(const QStringList& ids) override;

    /// Asked before an import and its undo, which replace the list.
    void setSafeguard(const Safeguard& guard) { safeguard = guard; }

private:
    bool save();

    const QString fileName;
    const QString keptFileName;
    // Set when the file exists but could not be read in full: it may hold
    // students this run does not know of, so only a change replaces it.
    bool keepFileUntilChanged = false;
    Safeguard safeguard;
};

#endif
