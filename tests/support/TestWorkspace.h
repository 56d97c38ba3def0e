#ifndef TESTWORKSPACE_H
#define TESTWORKSPACE_H

#include <QString>
#include <QTemporaryDir>

/// A fresh temporary working directory for one test, with the application's
/// settings kept inside it so that the real user's settings are never touched.
/// Restores the previous working directory when it goes.
class TestWorkspace
{
public:
    TestWorkspace();
    ~TestWorkspace();

    QString path() const { return directory.path(); }
    QString filePath(const QString& fileName) const { return directory.filePath(fileName); }

    QByteArray readFile(const QString& fileName) const;
    void writeFile(const QString& fileName, const QByteArray& contents) const;

private:
    QTemporaryDir directory;
    QString previousDirectory;
};

#endif
