#include "stores/itemCode.h"

#include <QByteArray>

#include <algorithm>
#include <cstring>

namespace {

// The values 0 to 15. Left out: digits and symbols, A M Q W Y Z (moved on
// AZERTY or QWERTZ), I (dotless with Turkish Caps Lock), E and O, and U,
// which ends the number.
constexpr char Letters[] = "BCDFGHJKLNPRSTVX";
constexpr char Prefix[] = "BRX";
constexpr char NumberEnd = 'U';
constexpr int ChecksumLetters = 4;

void appendLetters(QByteArray& code, quint32 value, int count)
{
    for (int shift = 4 * (count - 1); shift >= 0; shift -= 4)
        code += Letters[(value >> shift) & 15];
}

/// The value of \a letter, or -1 when it carries none.
int valueOf(char letter)
{
    const char* found = letter ? std::strchr(Letters, letter) : nullptr;
    return found ? int(found - Letters) : -1;
}

QByteArray encode(const Item& item)
{
    const auto number = quint32(item.number());
    int count = 1;
    while (count < 8 && (number >> (4 * count)) != 0)
        ++count;
    QByteArray code(Prefix);
    appendLetters(code, number, count);
    code += NumberEnd;
    for (const char byte : item.name().toUtf8())
        appendLetters(code, uchar(byte), 2);
    appendLetters(code, qChecksum(code), ChecksumLetters);
    return code;
}

} // namespace

QString itemCode(const Item& item)
{
    return QString::fromLatin1(encode(item));
}

std::optional<Item> itemFromCode(const QString& typed)
{
    const QByteArray code = typed.toUpper().toLatin1();
    const qsizetype numberStart = qstrlen(Prefix);
    const qsizetype numberEnd = code.indexOf(NumberEnd);
    const qsizetype nameEnd = code.size() - ChecksumLetters;
    if (!code.startsWith(Prefix) || numberEnd <= numberStart || numberEnd > numberStart + 8 || nameEnd <= numberEnd
        || (nameEnd - numberEnd - 1) % 2 != 0)
        return std::nullopt;

    quint32 number = 0;
    for (qsizetype i = numberStart; i < numberEnd; ++i) {
        const int value = valueOf(code.at(i));
        if (value < 0)
            return std::nullopt;
        number = number << 4 | quint32(value);
    }
    QByteArray name;
    for (qsizetype i = numberEnd + 1; i < nameEnd; i += 2) {
        const int high = valueOf(code.at(i));
        const int low = valueOf(code.at(i + 1));
        if (high < 0 || low < 0)
            return std::nullopt;
        name += char(high << 4 | low);
    }
    const Item item(QString::fromUtf8(name), int(number));
    // One comparison checks the checksum, the number's letters, that the name
    // was valid UTF-8 and that nothing was lost or added.
    if (encode(item) != code)
        return std::nullopt;
    return item;
}

bool hasItemCodePrefix(const QString& typed)
{
    return typed.startsWith(QLatin1String(Prefix), Qt::CaseInsensitive);
}

bool beginsLikeItemCode(const QString& typed)
{
    const QString upper = typed.toUpper();
    const QLatin1String prefix(Prefix);
    if (upper.size() <= prefix.size())
        return prefix.startsWith(upper);
    return upper.startsWith(prefix) && std::all_of(upper.cbegin() + prefix.size(), upper.cend(), [](QChar c) {
        return c == QLatin1Char(NumberEnd) || valueOf(c.toLatin1()) >= 0;
    });
}
