#ifndef COLLATEDSORT_H
#define COLLATEDSORT_H

#include <QCollator>
#include <QList>

#include <algorithm>
#include <utility>
#include <vector>

/// Sorts \a rows in \a order by their \a text as the chosen language collates
/// it (the default QLocale), rows of equal keys by \a before. Collating is
/// costly, so each row's key is computed once, not once per comparison.
template <class Row, class Text, class Before>
void collatedSort(QList<Row>& rows, Text text, Before before, Qt::SortOrder order)
{
    const QCollator collator;
    std::vector<std::pair<QCollatorSortKey, Row>> keyed;
    keyed.reserve(rows.size());
    for (const Row& row : std::as_const(rows))
        keyed.emplace_back(collator.sortKey(text(row)), row);
    const auto ascending = [&before](const auto& a, const auto& b) {
        const int compared = a.first.compare(b.first);
        return compared != 0 ? compared < 0 : before(a.second, b.second);
    };
    std::sort(keyed.begin(), keyed.end(),
        [&](const auto& a, const auto& b) { return order == Qt::DescendingOrder ? ascending(b, a) : ascending(a, b); });
    rows.clear();
    for (auto& [key, row] : keyed)
        rows.append(std::move(row));
}

#endif
