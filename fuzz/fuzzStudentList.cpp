// Feeds arbitrary bytes to the reader of "students.lst".
#include "stores/studentListFormat.h"

#include <QBuffer>
#include <QDataStream>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QDataStream stream(&buffer);
    const QList<Student> students = readStudentList(stream);
    // Every record holds at least three 4-byte lengths.
    if (size_t(students.size()) > size / 12 + 1)
        __builtin_trap();
    return 0;
}
