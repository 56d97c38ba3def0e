#include "support/ownerOnly.h"

#include <QFile>

bool isOwnerOnly(const QString& fileName)
{
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup
        | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther | QFileDevice::ExeOwner;
    return QFile::exists(fileName) && !(QFile::permissions(fileName) & others);
}
