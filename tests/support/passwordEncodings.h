#ifndef PASSWORDENCODINGS_H
#define PASSWORDENCODINGS_H

#include <QByteArrayList>
#include <QString>

/// The bytes by which \a password could be read in a file: UTF-8, UTF-16 in
/// either byte order, and each of them in base64 (without its padding).
QByteArrayList passwordEncodings(const QString& password);

#endif
