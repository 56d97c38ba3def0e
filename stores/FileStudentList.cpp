#include "stores/FileStudentList.h"

#include "stores/fileAccess.h"
#include "stores/studentListFormat.h"

#include <QMap>
#include <QSaveFile>

#include <algorithm>

// Sorted by ID, each ID once: the last student of an ID wins. A list read
// from the file is in that order already and is taken as it is.
static QList<Student> byId(const QList<Student>& list)
{
    const auto notAscending = [](const Student& a, const Student& b) { return !(a.id() < b.id()); };
    if (std::adjacent_find(list.cbegin(), list.cend(), notAscending) == list.cend())
        return list;

    QMap<QString, Student> map;
    for (const Student& student : list)
        map.insert(student.id(), student);
    return map.values();
}

FileStudentList::FileStudentList(const QString& fileName)
    : fileName(fileName)
{
    const auto [opened, loaded] = withDataStream(fileName, QIODevice::ReadOnly, [](QDataStream& stream) {
        QList<Student> list = readStudentList(stream);
        return std::make_pair(list, stream.status() == QDataStream::Ok);
    });
    const auto& [list, intact] = loaded;
    students = byId(list);
    keepFileUntilChanged = opened ? !intact && !list.isEmpty() : QFile::exists(fileName);
}

FileStudentList::~FileStudentList()
{
    if (!keepFileUntilChanged)
        save();
}

bool FileStudentList::setStudents(const QList<Student>& list)
{
    students = byId(list);
    keepFileUntilChanged = false;
    const bool stored = save();
    emit modified();
    return stored;
}

bool FileStudentList::setPassword(const QString& id, const QString& password)
{
    const auto found = find(id);
    if (found == students.end())
        return false;
    found->setPassword(password);
    keepFileUntilChanged = false;
    return save();
}

bool FileStudentList::clearPasswords(const QStringList& ids)
{
    bool found = false;
    for (const QString& id : ids) {
        const auto student = find(id);
        if (student != students.end()) {
            student->setPassword(QString());
            found = true;
        }
    }
    if (!found)
        return false;
    keepFileUntilChanged = false;
    return save();
}

bool FileStudentList::contains(const QString& id)
{
    return find(id) != students.end();
}

int FileStudentList::count()
{
    return int(students.size());
}

Student FileStudentList::at(int index)
{
    return students.at(index);
}

Student FileStudentList::student(const QString& id)
{
    const auto found = find(id);
    return found == students.end() ? Student() : *found;
}

QList<Student>::iterator FileStudentList::find(const QString& id)
{
    const auto found = std::lower_bound(students.begin(), students.end(), id,
                                        [](const Student& student, const QString& key) { return student.id() < key; });
    return found != students.end() && found->id() == id ? found : students.end();
}

// Written to a temporary file that replaces the old one only when complete, so
// a full disk or a power cut never leaves the school without its list.
bool FileStudentList::save()
{
    QSaveFile file(fileName);
    bool saved = false;
    if (file.open(QIODevice::WriteOnly)) {
        // For the kiosk's user alone, also where an older release let others
        // read it; a file system without permissions saves it all the same.
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QDataStream stream(&file);
        saved = writeStudentList(stream, students) && file.commit();
    }
    if (!saved)
        qWarning("Cannot write the student list \"%s\": %s", qPrintable(fileName), qPrintable(file.errorString()));
    return saved;
}
