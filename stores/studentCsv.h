#ifndef STUDENTCSV_H
#define STUDENTCSV_H

#include "stores/Progress.h"
#include "stores/Student.h"

#include <QList>
#include <QMap>
#include <QStringConverter>

class QIODevice;

/// A student CSV file as read, with what became of each line. Line 1 is the
/// header.
struct StudentCsv
{
    /// Why a data line gives no student.
    enum Skip { TooFewFields, EmptyId };
    /// How the bytes became text.
    enum Decoding { ByteOrderMark, Utf8, Fallback };

    struct SkippedLine
    {
        int line;
        Skip reason;
        bool operator==(const SkippedLine& other) const { return line == other.line && reason == other.reason; }
    };

    /// One per data line that gives one, in file order; an ID may repeat.
    QList<Student> students;
    /// The line of each student.
    QList<int> studentLines;
    QList<SkippedLine> skippedLines;
    /// Data lines holding bytes that the encoding has no character for; they
    /// read as U+FFFD.
    QList<int> unreadableLines;
    Decoding decoding = Utf8;
    /// Whether the reading was stopped before the end.
    bool cancelled = false;

    /// The IDs on more than one line, with their lines; the last line wins.
    QMap<QString, QList<int>> repeatedIds() const;
};

/// Reads the students of a CSV file from \a device: a header line, then
/// "ID,first,last" per line, no quoting; fields after the third are ignored,
/// the ID is trimmed, and lines with fewer than three fields or an empty ID
/// are skipped. Passwords are null. A byte-order mark decides the encoding;
/// without one, text that is valid UTF-8 is read as UTF-8 and anything else
/// in \a fallback. \a progress hears of the bytes read now and then.
StudentCsv readStudentCsv(
    QIODevice& device, QStringConverter::Encoding fallback = QStringConverter::System, const Progress& progress = {});

#endif
