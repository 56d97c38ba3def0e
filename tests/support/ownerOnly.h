#ifndef OWNERONLY_H
#define OWNERONLY_H

#include <QString>

/// Whether only the owner of the file \a fileName may read or write it (and nobody run it).
bool isOwnerOnly(const QString& fileName);

#endif
