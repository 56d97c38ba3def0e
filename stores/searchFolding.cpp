#include "stores/searchFolding.h"

#include <QHash>
#include <QList>

#include <algorithm>

// Letters that carry their mark in their shape rather than as a combining
// accent, spelt as a school keyboard would type them.
static QString spelt(const QString& folded)
{
    static const QHash<QChar, QString> letters {
        { u'ß', QStringLiteral("ss") },
        { u'æ', QStringLiteral("ae") },
        { u'œ', QStringLiteral("oe") },
        { u'þ', QStringLiteral("th") },
        { u'ø', QStringLiteral("o") },
        { u'ł', QStringLiteral("l") },
        { u'đ', QStringLiteral("d") },
        { u'ð', QStringLiteral("d") },
        { u'ħ', QStringLiteral("h") },
        { u'ŧ', QStringLiteral("t") },
        { u'ı', QStringLiteral("i") },
    };
    QString result;
    result.reserve(folded.size());
    for (QChar character : folded)
        result += letters.value(character, QString(character));
    return result;
}

QString foldForSearch(const QString& text)
{
    QList<uint> characters = text.normalized(QString::NormalizationForm_KD).toUcs4();
    characters.removeIf([](uint character) { return QChar::category(character) == QChar::Mark_NonSpacing; });
    return spelt(
        QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.constData()), characters.size()).toCaseFolded());
}

// A '_' stands for any characters, not just one: folding may turn one
// character into two ("ﬁ") or none (a combining accent).
QStringList searchPieces(const QString& word)
{
    QStringList pieces { QString() };
    for (QChar character : foldForSearch(word)) {
        if (character == u'%' || character == u'_')
            pieces.append(QString());
        else
            pieces.last() += character;
    }
    return pieces;
}

bool containsSearchWords(const QString& text, const QStringList& words)
{
    const QString folded = foldForSearch(text);
    return std::all_of(words.cbegin(), words.cend(), [&folded](const QString& word) {
        qsizetype from = 0;
        for (const QString& piece : searchPieces(word)) {
            const qsizetype found = folded.indexOf(piece, from);
            if (found < 0)
                return false;
            from = found + piece.size();
        }
        return true;
    });
}
