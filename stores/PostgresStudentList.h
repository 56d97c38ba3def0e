#ifndef POSTGRESSTUDENTLIST_H
#define POSTGRESSTUDENTLIST_H

#include "stores/SortedStudentList.h"

#include <functional>

class PostgresDatabase;

/// The student list in the table "students" of a database several kiosks
/// share, with a copy in memory in ascending order of ID for the many reads of
/// a sign-out and a view. A change on any kiosk reaches the copies of all.
class PostgresStudentList : public SortedStudentList
{
    Q_OBJECT

public:
    explicit PostgresStudentList(PostgresDatabase& db);

    bool setStudents(const QList<Student>& students) override;
    bool importStudents(const QList<Student>& students) override;
    KeptList keptList() override;
    bool undoImport() override;
    bool setPassword(const QString& id, const QString& password) override;
    Registration registerPassword(const QString& id, const QString& password) override;
    bool clearPasswords(const QStringList& ids) override;

private:
    bool changeList(const std::function<bool()>& change);
    bool replaceWith(const QList<Student>& replacing);
    bool reload();
    void reloadPassword(const QString& id);
    void heard(const QString& topic);

    PostgresDatabase& database;
    bool undoable = false;
};

#endif
