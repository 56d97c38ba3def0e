#ifndef STUDENTCSV_H
#define STUDENTCSV_H

#include "stores/Progress.h"
#include "stores/Student.h"

#include <QList>
#include <QMap>

#include <optional>

class QIODevice;

/// A student CSV file as read, with what became of each line. Line 1 is the
/// header.
struct StudentCsv
{
    /// Why a data line gives no student.
    enum Skip { TooFewFields, EmptyId };
    /// The encodings a school's files come in; the 8-bit ones are those
    /// spreadsheets write on Windows and on older Linux desktops.
    enum Encoding { Utf8, Windows1252, Iso885915, Utf16LE, Utf16BE, Utf32LE, Utf32BE };
    static constexpr int EncodingCount = Utf32BE + 1;
    static QString encodingName(Encoding encoding);

    /// Why the encoding was used.
    enum Decoding {
        ByteOrderMark,
        /// The bytes are valid UTF-8.
        ValidUtf8,
        /// NUL bytes in alternate places: UTF-16 without a mark.
        NulPattern,
        /// Neither: read as Windows-1252.
        NotUtf8,
        /// Chosen by the person importing.
        Chosen,
    };

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
    Encoding encoding = Utf8;
    Decoding decoding = ValidUtf8;
    /// Whether the reading was stopped before the end.
    bool cancelled = false;

    /// The IDs on more than one line, with their lines; the last line wins.
    QMap<QString, QList<int>> repeatedIds() const;
};

/// Reads the students of a CSV file from \a device: a header line, then
/// "ID,first,last" per line, no quoting; fields after the third are ignored,
/// the ID is trimmed, and lines with fewer than three fields or an empty ID
/// are skipped. Passwords are null. The text is read in \a encoding when
/// given; otherwise a byte-order mark decides, then NUL bytes in alternate
/// places mean UTF-16, then valid UTF-8 is UTF-8, and anything else is read
/// as Windows-1252. \a progress hears of the bytes read now and then.
StudentCsv readStudentCsv(
    QIODevice& device, std::optional<StudentCsv::Encoding> encoding = {}, const Progress& progress = {});

#endif
