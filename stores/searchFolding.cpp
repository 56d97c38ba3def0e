#include "stores/searchFolding.h"

#include <QHash>
#include <QList>

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
