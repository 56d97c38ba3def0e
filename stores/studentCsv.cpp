#include "stores/studentCsv.h"

#include <QHash>
#include <QIODevice>
#include <QStringConverter>
#include <QTextStream>

// Whether the rest of \a device is valid UTF-8. Read in blocks, so that a
// large file costs no memory; the decoder carries a character cut by the end
// of a block over to the next one.
static bool isUtf8(QIODevice& device)
{
    QStringDecoder decoder(QStringConverter::Utf8);
    // decode() is lazy: the bytes are decoded only into the text it is made.
    for (QByteArray block; !(block = device.read(1 << 16)).isEmpty();) {
        const QString text = decoder.decode(block);
        if (decoder.hasError())
            return false;
    }
    // A character cut short by the end of the file waits in the decoder; a
    // line break after it shows it as an error.
    const QString lineBreak = decoder.decode(QByteArrayView("\n", 1));
    return !decoder.hasError();
}

namespace {

struct EncodingFacts
{
    const char* name;
    /// What the stream reads; the 8-bit encodings are read as Latin-1 and mended.
    QStringConverter::Encoding streamEncoding;
};

constexpr EncodingFacts Encodings[StudentCsv::EncodingCount] = {
    { "UTF-8", QStringConverter::Utf8 },
    { "Windows-1252", QStringConverter::Latin1 },
    { "ISO-8859-15", QStringConverter::Latin1 },
    { "UTF-16LE", QStringConverter::Utf16LE },
    { "UTF-16BE", QStringConverter::Utf16BE },
    { "UTF-32LE", QStringConverter::Utf32LE },
    { "UTF-32BE", QStringConverter::Utf32BE },
};

// Where Windows-1252 differs from Latin-1: the bytes 0x80 to 0x9F. Its five
// unassigned bytes cannot be read.
constexpr char16_t Windows1252High[32] = { 0x20ac, 0xfffd, 0x201a, 0x0192, 0x201e, 0x2026, 0x2020, 0x2021, 0x02c6,
    0x2030, 0x0160, 0x2039, 0x0152, 0xfffd, 0x017d, 0xfffd, 0xfffd, 0x2018, 0x2019, 0x201c, 0x201d, 0x2022, 0x2013,
    0x2014, 0x02dc, 0x2122, 0x0161, 0x203a, 0x0153, 0xfffd, 0x017e, 0x0178 };

// Where ISO-8859-15 differs from Latin-1: the byte and its character.
constexpr char16_t Iso885915Changes[8][2] = { { 0xa4, 0x20ac }, { 0xa6, 0x0160 }, { 0xa8, 0x0161 }, { 0xb4, 0x017d },
    { 0xb8, 0x017e }, { 0xbc, 0x0152 }, { 0xbd, 0x0153 }, { 0xbe, 0x0178 } };

char16_t fromIso885915(char16_t latin1)
{
    for (const auto& [byte, character] : Iso885915Changes) {
        if (byte == latin1)
            return character;
    }
    return latin1;
}

/// Turns \a text, read as Latin-1, into what its bytes say in \a encoding.
void mendLatin1(QString& text, StudentCsv::Encoding encoding)
{
    for (QChar& c : text) {
        if (encoding == StudentCsv::Windows1252 && c.unicode() >= 0x80 && c.unicode() <= 0x9f)
            c = QChar(Windows1252High[c.unicode() - 0x80]);
        else if (encoding == StudentCsv::Iso885915)
            c = QChar(fromIso885915(c.unicode()));
    }
}

/// UTF-16 without a byte-order mark: the ASCII characters that every list has
/// (digits, commas, line ends) leave a NUL byte in every other place, which
/// no 8-bit or UTF-8 text has.
std::optional<StudentCsv::Encoding> utf16ByNuls(const QByteArray& sample)
{
    qsizetype evenNuls = 0;
    qsizetype oddNuls = 0;
    for (qsizetype i = 0; i + 1 < sample.size(); i += 2) {
        evenNuls += sample.at(i) == '\0';
        oddNuls += sample.at(i + 1) == '\0';
    }
    const qsizetype pairs = sample.size() / 2;
    if (oddNuls > 0 && oddNuls * 4 >= pairs && evenNuls * 8 <= oddNuls)
        return StudentCsv::Utf16LE;
    if (evenNuls > 0 && evenNuls * 4 >= pairs && oddNuls * 8 <= evenNuls)
        return StudentCsv::Utf16BE;
    return std::nullopt;
}

// Only Unicode encodings have a mark, and each has its own stream encoding.
std::optional<StudentCsv::Encoding> fromMark(const QByteArray& start)
{
    const std::optional<QStringConverter::Encoding> marked = QStringConverter::encodingForData(start);
    for (int encoding = 0; marked && encoding < StudentCsv::EncodingCount; ++encoding) {
        if (Encodings[encoding].streamEncoding == *marked)
            return StudentCsv::Encoding(encoding);
    }
    return std::nullopt;
}

void detectEncoding(QIODevice& device, StudentCsv& csv)
{
    if (const auto marked = fromMark(device.peek(4))) {
        csv.encoding = *marked;
        csv.decoding = StudentCsv::ByteOrderMark;
    } else if (const auto utf16 = utf16ByNuls(device.peek(4096))) {
        csv.encoding = *utf16;
        csv.decoding = StudentCsv::NulPattern;
    } else if (device.isSequential()) {
        // A pipe cannot be read twice: it is taken for UTF-8 unseen.
        csv.encoding = StudentCsv::Utf8;
        csv.decoding = StudentCsv::ValidUtf8;
    } else {
        const qint64 start = device.pos();
        const bool utf8 = isUtf8(device);
        device.seek(start);
        csv.encoding = utf8 ? StudentCsv::Utf8 : StudentCsv::Windows1252;
        csv.decoding = utf8 ? StudentCsv::ValidUtf8 : StudentCsv::NotUtf8;
    }
}

} // namespace

QString StudentCsv::encodingName(Encoding encoding)
{
    return QString::fromLatin1(Encodings[encoding].name);
}

StudentCsv readStudentCsv(QIODevice& device, std::optional<StudentCsv::Encoding> encoding, const Progress& progress)
{
    StudentCsv csv;
    if (encoding) {
        csv.encoding = *encoding;
        csv.decoding = StudentCsv::Chosen;
    } else {
        detectEncoding(device, csv);
    }
    const qint64 start = device.pos();
    QTextStream stream(&device);
    stream.setEncoding(Encodings[csv.encoding].streamEncoding);
    // A mark drops out of the text; a chosen encoding is not overruled by one.
    stream.setAutoDetectUnicode(csv.decoding == StudentCsv::ByteOrderMark);
    const bool eightBit = Encodings[csv.encoding].streamEncoding == QStringConverter::Latin1;

    int line = 1;
    if (!stream.atEnd())
        stream.readLine(); // the header
    while (!stream.atEnd()) {
        QString text = stream.readLine();
        ++line;
        if (eightBit)
            mendLatin1(text, csv.encoding);
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
