#include "stores/sqlBatches.h"

#include <QStringList>

bool forEachChunk(const QList<Item>& items, const std::function<bool(const QList<Item>&)>& statement)
{
    for (qsizetype start = 0; start < items.size(); start += MaxRowsPerStatement)
        if (!statement(items.mid(start, MaxRowsPerStatement)))
            return false;
    return true;
}

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
