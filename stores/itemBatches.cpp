#include "stores/itemBatches.h"

#include <QStringList>

bool forEachChunk(const QList<Item>& items, const std::function<bool(const QList<Item>&)>& statement)
{
    for (qsizetype start = 0; start < items.size(); start += MaxItemsPerStatement)
        if (!statement(items.mid(start, MaxItemsPerStatement)))
            return false;
    return true;
}

QString nameValue(const Item& item)
{
    return item.name().isNull() ? QStringLiteral("") : item.name();
}

QString repeated(const QString& term, const QString& separator, qsizetype count)
{
    QStringList terms;
    terms.reserve(count);
    for (qsizetype i = 0; i < count; ++i)
        terms.append(term);
    return terms.join(separator);
}
