#include "support/PseudoTranslator.h"

#include <QRegularExpression>

QString PseudoTranslator::translate(const char*, const char* sourceText, const char*, int) const
{
    const QString source = QString::fromUtf8(sourceText);
    // Formats and shortcuts are instructions, not texts.
    static const QRegularExpression format(QStringLiteral("^[dMyhHmsapt .,:/'-]+$|^F\\d+$"));
    if (source.isEmpty() || format.match(source).hasMatch())
        return QString();
    static const QString plain = QStringLiteral("aceginorsuzACEGINORSUZ");
    static const QString accented = QString::fromUtf8("âçéĝîñöŕšûžÂÇÉĜÎÑÖŔŠÛŽ");
    QString result;
    bool inTag = false;
    for (int i = 0; i < source.size(); ++i) {
        const QChar c = source.at(i);
        inTag = (inTag || c == QLatin1Char('<')) && c != QLatin1Char('>');
        const bool placeholder = c == QLatin1Char('%') || (i > 0 && source.at(i - 1) == QLatin1Char('%'))
            || (i > 1 && source.at(i - 2) == QLatin1Char('%') && source.at(i - 1) == QLatin1Char('L'));
        const int at = plain.indexOf(c);
        result += inTag || placeholder || at < 0 ? c : accented.at(at);
    }
    // Longer by 40%, the padding where a word would be.
    const int pad = int(source.size() * 0.4 + 0.5);
    return result + QLatin1Char(' ') + QString(std::max(pad - 1, 1), QChar(0x2248));
}
