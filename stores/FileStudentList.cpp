#include "stores/FileStudentList.h"

#include "stores/fileAccess.h"
#include "stores/studentListFormat.h"
#include "stores/studentsById.h"

#include <QSaveFile>

#include <algorithm>

// Returns (opened, (list, whether it was read in full)).
static auto readListFile(const QString& fileName)
{
    return withDataStream(fileName, QIODevice::ReadOnly, [](QDataStream& stream) {
        QList<Student> list = readStudentList(stream);
        return std::make_pair(list, stream.status() == QDataStream::Ok);
    });
}

// Written to a temporary file that replaces the old one only when complete, so
// a full disk or a power cut never leaves the school without its list.
static bool writeListFile(const QString& fileName, const QList<Student>& students)
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

FileStudentList::FileStudentList(const QString& path)
    : fileName(path)
    , keptFileName(path + QLatin1String(".before-import"))
{
    const auto [opened, loaded] = readListFile(fileName);
    const auto& [list, intact] = loaded;
    students = sortedById(list);
    keepFileUntilChanged = opened ? !intact && !list.isEmpty() : QFile::exists(fileName);
}

FileStudentList::~FileStudentList()
{
    if (!keepFileUntilChanged)
        save();
}

bool FileStudentList::setStudents(const QList<Student>& list)
{
    students = sortedById(list);
    keepFileUntilChanged = false;
    const bool stored = save();
    emit modified();
    return stored;
}

bool FileStudentList::importStudents(const QList<Student>& list)
{
    if (safeguard && !safeguard(QStringLiteral("import")))
        return false;
    const bool kept = writeListFile(keptFileName, students);
    // An undo must never put back a list older than the one replaced now.
    if (!kept)
        QFile::remove(keptFileName);
    return setStudents(list) && kept;
}

// Read through, so that a damaged file is found before anyone tries to undo.
AbstractStudentList::KeptList FileStudentList::keptList()
{
    const auto [opened, loaded] = readListFile(keptFileName);
    if (!opened)
        return QFile::exists(keptFileName) ? KeptList::Unreadable : KeptList::None;
    return loaded.second ? KeptList::Readable : KeptList::Unreadable;
}

bool FileStudentList::undoImport()
{
    const auto [opened, loaded] = readListFile(keptFileName);
    const auto& [list, intact] = loaded;
    if (!opened || !intact || (safeguard && !safeguard(QStringLiteral("undo-import"))))
        return false;
    students = sortedById(list);
    keepFileUntilChanged = false;
    // Forgotten only once the list is back on disk, so that a failed undo can be tried again.
    const bool restored = save() && QFile::remove(keptFileName);
    emit modified();
    return restored;
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

AbstractStudentList::Registration FileStudentList::registerPassword(const QString& id, const QString& password)
{
    const auto found = find(id);
    if (found == students.end())
        return Registration::NotStored;
    if (!found->password().isNull())
        return Registration::AlreadyRegistered;
    return setPassword(id, password) ? Registration::Registered : Registration::NotStored;
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

bool FileStudentList::save()
{
    return writeListFile(fileName, students);
}
