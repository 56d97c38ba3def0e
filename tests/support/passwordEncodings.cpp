#include "support/passwordEncodings.h"

#include <QStringEncoder>

QByteArrayList passwordEncodings(const QString& password)
{
    QStringEncoder bigEndian(QStringConverter::Utf16BE);
    QStringEncoder littleEndian(QStringConverter::Utf16LE);
    const QByteArrayList plain { password.toUtf8(), bigEndian.encode(password), littleEndian.encode(password) };
    QByteArrayList all = plain;
    for (const QByteArray& bytes : plain)
        all.append(bytes.toBase64(QByteArray::OmitTrailingEquals));
    return all;
}
