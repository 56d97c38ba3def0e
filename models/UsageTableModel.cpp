#include "models/UsageTableModel.h"

#include <QColor>
#include <QGuiApplication>
#include <QPalette>

#include <algorithm>

void UsageTableModel::setTable(const UsageTable& table)
{
    beginResetModel();
    shown = table;
    largest = 0;
    for (const QList<UsageTable::Cell>& row : std::as_const(shown.rows))
        for (const UsageTable::Cell& cell : row.mid(1))
            largest = std::max(largest, cell.value.toLongLong());
    applySort();
    endResetModel();
}

int UsageTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(shown.rows.size());
}

int UsageTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(shown.headers.size());
}

QVariant UsageTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= shown.rows.size() || index.column() >= shown.rows.at(index.row()).size())
        return {};
    const UsageTable::Cell& cell = shown.rows.at(index.row()).at(index.column());
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return cell.text;
    if (role == Qt::UserRole)
        return cell.value;
    // The busiest hours in the palette's highlight, the quietest in its base.
    if (shown.heatMap && index.column() > 0 && largest > 0 && role == Qt::BackgroundRole) {
        QColor shade = QGuiApplication::palette().color(QPalette::Highlight);
        shade.setAlphaF(float(cell.value.toLongLong()) / float(largest));
        return shade;
    }
    return {};
}

QVariant UsageTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= shown.headers.size())
        return {};
    return shown.headers.at(section);
}

void UsageTableModel::sort(int column, Qt::SortOrder order)
{
    emit layoutAboutToBeChanged();
    sortColumn = column;
    sortOrder = order;
    applySort();
    emit layoutChanged();
}

// Empty cells (a copy never signed out) sort first, as the smallest.
void UsageTableModel::applySort()
{
    if (sortColumn < 0 || sortColumn >= shown.headers.size())
        return;
    const int column = sortColumn;
    const auto less = [column](const QList<UsageTable::Cell>& a, const QList<UsageTable::Cell>& b) {
        return QVariant::compare(a.at(column).value, b.at(column).value) == QPartialOrdering::Less
            || (!a.at(column).value.isValid() && b.at(column).value.isValid());
    };
    if (sortOrder == Qt::AscendingOrder)
        std::stable_sort(shown.rows.begin(), shown.rows.end(), less);
    else
        std::stable_sort(
            shown.rows.begin(), shown.rows.end(), [&less](const auto& a, const auto& b) { return less(b, a); });
}
