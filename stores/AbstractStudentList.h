#ifndef ABSTRACTSTUDENTLIST_H
#define ABSTRACTSTUDENTLIST_H

#include "stores/Student.h"

#include <QList>
#include <QObject>
#include <QStringList>

/// The students allowed to sign out, keyed by ID. Changes return whether
/// they were stored.
class AbstractStudentList : public QObject
{
    Q_OBJECT

public:
    ~AbstractStudentList() override = default;

    /// Replaces the whole list (the last student of an ID wins); emits modified().
    virtual bool setStudents(const QList<Student>& students) = 0;
    /// Replaces the whole list as setStudents() does, after keeping the list it
    /// replaces, passwords included, for undoImport(); that kept list replaces
    /// the one an earlier import kept. Emits modified().
    virtual bool importStudents(const QList<Student>& students) = 0;
    /// What the last import kept for undoImport(): nothing, a list it can put
    /// back, or one it cannot read (a damaged file).
    enum class KeptList { None, Readable, Unreadable };
    virtual KeptList keptList() = 0;
    /// Whether an import kept a list that undoImport() can put back.
    bool canUndoImport() { return keptList() == KeptList::Readable; }
    /// Puts back the list the last import kept, exactly, and forgets it; false
    /// when there is none or it cannot be read or stored. Emits modified()
    /// when the list changed.
    virtual bool undoImport() = 0;
    /// A null password unregisters it. Emits nothing.
    virtual bool setPassword(const QString& id, const QString& password) = 0;

    enum class Registration { Registered, AlreadyRegistered, NotStored };
    /// Registers the first password of the student with that ID, unless one
    /// was registered meanwhile (on another kiosk of a shared database).
    /// Emits nothing.
    virtual Registration registerPassword(const QString& id, const QString& password) = 0;
    /// Unregisters the passwords of the students with these IDs, as one change
    /// (a whole year group is reset at once). Emits nothing.
    virtual bool clearPasswords(const QStringList& ids) = 0;
    virtual bool contains(const QString& id) = 0;
    virtual int count() = 0;
    /// The student at \a index in ascending order of ID (UTF-16 code units).
    virtual Student at(int index) = 0;
    /// The student with that ID, or Student() when there is none.
    virtual Student student(const QString& id) = 0;

signals:
    void modified();
};

#endif
