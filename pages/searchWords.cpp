#include "pages/searchWords.h"

QStringList searchWords(const QString& text)
{
    return text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}
