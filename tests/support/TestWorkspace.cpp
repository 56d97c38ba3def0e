#include "support/TestWorkspace.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

TestWorkspace::TestWorkspace()
    : previousDirectory(QDir::currentPath())
{
    if (!directory.isValid())
        qFatal("Cannot create a temporary directory");
    QDir::setCurrent(directory.path());

    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Ostmere"));
    QCoreApplication::setApplicationName(QStringLiteral("Brindlow"));
    for (QSettings::Format format : { QSettings::NativeFormat, QSettings::IniFormat })
        for (QSettings::Scope scope : { QSettings::UserScope, QSettings::SystemScope })
            QSettings::setPath(format, scope, directory.filePath(QStringLiteral("settings")));
}

TestWorkspace::~TestWorkspace()
{
    QDir::setCurrent(previousDirectory);
}

QByteArray TestWorkspace::readFile(const QString& fileName) const
{
    QFile file(filePath(fileName));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

void TestWorkspace::writeFile(const QString& fileName, const QByteArray& contents) const
{
    QFile file(filePath(fileName));
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
        qFatal("Cannot write %s", qPrintable(fileName));
}
