#include "stores/sqlBatches.h"

#include <QStringList>

QString textValue(const QString& text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

QString repeated(const QString& term, const QString& separator, qsizetype count)
{
    QStringList terms;
    terms.reserve(count);
    for (qsizetype i = 0; i < count; ++i)
        terms.append(term);
    return terms.join(separator);
}
