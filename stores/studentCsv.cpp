#include "stores/studentCsv.h"

#include <QHash>
#include <QIODevice>
#include <QTextStream>

// Whether the rest of \a device is valid UTF-8. Read in blocks, so that a
// large file costs no memory; a character cut by the end of a block is
// checked with the next one.
static bool isUtf8(QIODevice& device)
{
    QByteArray pending;
    for (QByteArray block; !(block = device.read(1 << 16)).isEmpty();) {
        pending += block;
        // Back to the first byte of the last character (at most four bytes).
        qsizetype last = pending.size() - 1;
        while (last > 0 && last > pending.size() - 4 && (uchar(pending.at(last)) & 0xc0) == 0x80)
            --last;
        if (!QByteArrayView(pending).first(last).isValidUtf8())
            return false;
        pending.remove(0, last);
    }
    return QByteArrayView(pending).isValidUtf8();
}

static StudentCsv::Decoding decoding(QIODevice& device)
{
    if (QStringConverter::encodingForData(device.peek(4)))
        return StudentCsv::ByteOrderMark;
    // A pipe cannot be read twice: it is taken for UTF-8 unseen.
    if (device.isSequential())
        return StudentCsv::Utf8;
    const qint64 start = device.pos();
    const bool utf8 = isUtf8(device);
    device.seek(start);
    return utf8 ? StudentCsv::Utf8 : StudentCsv::Fallback;
}

StudentCsv readStudentCsv(QIODevice& device, QStringConverter::Encoding fallback, const Progress& progress)
{
    StudentCsv csv;
    csv.decoding = decoding(device);
    const qint64 start = device.pos();
    QTextStream stream(&device);
    // With a mark the stream takes the encoding it names and drops it.
    stream.setEncoding(csv.decoding == StudentCsv::Fallback ? fallback : QStringConverter::Utf8);

    int line = 1;
    if (!stream.atEnd())
        stream.readLine(); // the header
    while (!stream.atEnd()) {
        const QString text = stream.readLine();
        ++line;
        if (progress && line % 1024 == 0 && !progress(device.pos() - start, device.size() - start)) {
            csv.cancelled = true;
            break;
        }
        if (text.contains(QChar::ReplacementCharacter))
            csv.unreadableLines.append(line);
        const QStringList fields = text.split(QLatin1Char(','));
        if (fields.size() < 3) {
            csv.skippedLines.append({ line, StudentCsv::TooFewFields });
            continue;
        }
        // The sign-out page trims the ID typed, so a padded one could never sign in.
        const QString id = fields.at(0).trimmed();
        if (id.isEmpty()) {
            csv.skippedLines.append({ line, StudentCsv::EmptyId });
            continue;
        }
        csv.students.append(Student(fields.at(1) + QLatin1Char(' ') + fields.at(2), id, QString()));
        csv.studentLines.append(line);
    }
    return csv;
}

QMap<QString, QList<int>> StudentCsv::repeatedIds() const
{
    QHash<QString, QList<int>> linesOfId;
    for (qsizetype i = 0; i < students.size(); ++i)
        linesOfId[students.at(i).id()].append(studentLines.at(i));
    QMap<QString, QList<int>> repeated;
    for (auto it = linesOfId.cbegin(); it != linesOfId.cend(); ++it)
        if (it->size() > 1)
            repeated.insert(it.key(), it.value());
    return repeated;
}
