#include "app/ownerOnlyFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <sys/stat.h>

void keepFilesOwnerOnly()
{
    ::umask(S_IRWXG | S_IRWXO);
    const QFileInfo settings(QSettings().fileName());
    // The organisation's folder only, not the configuration folder around it.
    if (settings.dir().exists())
        QFile::setPermissions(settings.absolutePath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (settings.exists())
        QFile::setPermissions(settings.absoluteFilePath(), QFile::ReadOwner | QFile::WriteOwner);
}
