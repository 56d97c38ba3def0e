#include "stores/PostgresStudentList.h"

#include "stores/PostgresDatabase.h"
#include "stores/sqlBatches.h"
#include "stores/sqlExec.h"
#include "stores/studentsById.h"

#include <QSqlQuery>

// What another kiosk changed: the whole list, several passwords, or the
// password of one student ("password:" and the ID).
static const QString Students = QStringLiteral("students");
static const QString Passwords = QStringLiteral("passwords");
static const QString PasswordOf = QStringLiteral("password:");

PostgresStudentList::PostgresStudentList(PostgresDatabase& db)
    : database(db)
{
    connect(&database, &PostgresDatabase::changedElsewhere, this, &PostgresStudentList::heard);
    connect(&database, &PostgresDatabase::reconnected, this, [this] { heard(Students); });
    reload();
}

// A new list on another kiosk is shown at once; new passwords are only taken
// in, as a password change on this kiosk is.
void PostgresStudentList::heard(const QString& topic)
{
    if (topic.startsWith(PasswordOf)) {
        reloadPassword(topic.mid(PasswordOf.size()));
    } else if (topic == Passwords) {
        reload();
    } else if (topic == Students) {
        reload();
        emit modified();
    }
}

// A registration on another kiosk costs the others one row, not the school's list.
void PostgresStudentList::reloadPassword(const QString& id)
{
    const auto query = database.statements().run(QStringLiteral("SELECT password FROM students WHERE id = ?"), { id });
    const auto found = find(id);
    if (query && query->next() && found != students.end())
        found->setPassword(query->value(0).toString());
}

bool PostgresStudentList::reload()
{
    PreparedStatements& statements = database.statements();
    const auto query = statements.run(QStringLiteral("SELECT name, id, password FROM students"));
    if (!query)
        return false;
    QList<Student> read;
    while (query->next())
        read.append(Student(query->value(0).toString(), query->value(1).toString(), query->value(2).toString()));
    students = sortedById(read);
    const auto kept = statements.run(QStringLiteral("SELECT EXISTS (SELECT 1 FROM importKept)"));
    undoable = kept && kept->next() && kept->value(0).toBool();
    return true;
}

// The whole list, replaced for every kiosk at once or not at all.
bool PostgresStudentList::setStudents(const QList<Student>& list)
{
    return changeList([this, &list] { return replaceWith(sortedById(list)); });
}

// The list before an import is kept in a table of its own, and a row in
// importKept says that there is one (an empty list may be kept, too).
bool PostgresStudentList::importStudents(const QList<Student>& list)
{
    return changeList([this, &list] {
        return execAllLogged(database.database(),
                   { QStringLiteral("DELETE FROM studentsBeforeImport"),
                       QStringLiteral("INSERT INTO studentsBeforeImport SELECT id, name, password FROM students"),
                       QStringLiteral("DELETE FROM importKept"),
                       QStringLiteral("INSERT INTO importKept VALUES (true)") })
            && replaceWith(sortedById(list));
    });
}

AbstractStudentList::KeptList PostgresStudentList::keptList()
{
    return undoable ? KeptList::Readable : KeptList::None;
}

bool PostgresStudentList::undoImport()
{
    return undoable && changeList([this] {
        // Another kiosk may have undone it a moment ago.
        const auto kept = database.statements().run(QStringLiteral("DELETE FROM importKept RETURNING kept"));
        return kept && kept->next()
            && execAllLogged(database.database(),
                { QStringLiteral("DELETE FROM students"),
                    QStringLiteral("INSERT INTO students SELECT id, name, password FROM studentsBeforeImport"),
                    QStringLiteral("DELETE FROM studentsBeforeImport") });
    });
}

// A change of the whole list reaches every kiosk at once or not at all.
bool PostgresStudentList::changeList(const std::function<bool()>& change)
{
    QSqlDatabase& handle = database.database();
    const bool stored = inTransaction(handle, [&] { return change() && database.notify(Students); });
    reload();
    emit modified();
    return stored;
}

bool PostgresStudentList::replaceWith(const QList<Student>& replacing)
{
    QVariantList ids;
    QVariantList names;
    QVariantList passwords;
    for (const Student& student : replacing) {
        ids << student.id();
        names << textValue(student.name());
        passwords << student.password();
    }
    PreparedStatements& statements = database.statements();
    return statements.run(QStringLiteral("DELETE FROM students"))
        && statements.run(QStringLiteral("INSERT INTO students (id, name, password) "
                                         "SELECT * FROM unnest(?::text[], ?::text[], ?::text[])"),
            { postgresArray(ids), postgresArray(names), postgresArray(passwords) });
}

bool PostgresStudentList::setPassword(const QString& id, const QString& password)
{
    const auto query
        = database.statements().run(QStringLiteral("UPDATE students SET password = ? WHERE id = ?"), { password, id });
    const bool stored = query && query->numRowsAffected() == 1 && database.notify(PasswordOf + id);
    if (const auto found = find(id); stored && found != students.end())
        found->setPassword(password);
    return stored;
}

// The database lets only the first of two kiosks registering at once win.
AbstractStudentList::Registration PostgresStudentList::registerPassword(const QString& id, const QString& password)
{
    const auto query = database.statements().run(
        QStringLiteral("UPDATE students SET password = ? WHERE id = ? AND password IS NULL"), { password, id });
    if (!query)
        return Registration::NotStored;
    if (query->numRowsAffected() == 0) {
        reloadPassword(id);
        return student(id).password().isNull() ? Registration::NotStored : Registration::AlreadyRegistered;
    }
    database.notify(PasswordOf + id);
    if (const auto found = find(id); found != students.end())
        found->setPassword(password);
    return Registration::Registered;
}

bool PostgresStudentList::clearPasswords(const QStringList& ids)
{
    const bool stored = inTransaction(database.database(), [&] {
        return database.statements().run(
                   QStringLiteral("UPDATE students SET password = NULL WHERE id = ANY (?::text[])"),
                   { postgresArray(QVariantList(ids.cbegin(), ids.cend())) })
            && database.notify(Passwords);
    });
    reload();
    return stored;
}
