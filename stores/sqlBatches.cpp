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

QString postgresArray(const QVariantList& values)
{
    QStringList elements;
    elements.reserve(values.size());
    for (const QVariant& value : values) {
        QString text = value.toString();
        if (value.isNull() || text.isNull()) {
            elements.append(QStringLiteral("NULL"));
            continue;
        }
        text.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\""));
        elements.append(QLatin1Char('"') + text + QLatin1Char('"'));
    }
    return QLatin1Char('{') + elements.join(QLatin1Char(',')) + QLatin1Char('}');
}
