#ifndef FILESTUDENTLIST_H
#define FILESTUDENTLIST_H

#include "stores/AbstractStudentList.h"

/// The student list, kept in memory in ascending order of ID and saved to its
/// file after every change and at destruction.
class FileStudentList : public AbstractStudentList
{
    Q_OBJECT

public:
    explicit FileStudentList(const QString& fileName);
    ~FileStudentList() override;

    bool setStudents(const QList<Student>& students) override;
    /// The replaced list is kept in the file named after the list's with
    /// ".before-import" appended, written like the list itself.
    bool importStudents(const QList<Student>& students) override;
    bool canUndoImport() override;
    bool undoImport() override;
    bool setPassword(const QString& id, const QString& password) override;
    Registration registerPassword(const QString& id, const QString& password) override;
    bool clearPasswords(const QStringList& ids) override;
    bool contains(const QString& id) override;
    int count() override;
    Student at(int index) override;
    Student student(const QString& id) override;

private:
    QList<Student>::iterator find(const QString& id);
    bool save();

    const QString fileName;
    const QString keptFileName;
    QList<Student> students; // sorted by ID, each ID once
    // Set when the file exists but could not be read in full: it may hold
    // students this run does not know of, so only a change replaces it.
    bool keepFileUntilChanged = false;
};

#endif
