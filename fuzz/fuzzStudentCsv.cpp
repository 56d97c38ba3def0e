// Feeds arbitrary text to the CSV reader of the student list import.
#include "stores/studentCsv.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const QList<Student> students = readStudentCsv(buffer).students;
    // Every student needs a line with two commas.
    if (size_t(students.size()) * 3 > size + 3)
        __builtin_trap();
    return 0;
}
