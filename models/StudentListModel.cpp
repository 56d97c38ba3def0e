#include "models/StudentListModel.h"

#include "stores/AbstractStudentList.h"
#include "stores/collatedSort.h"

#include <algorithm>

StudentListModel::StudentListModel(AbstractStudentList* studentList)
    : students(studentList)
{
    connect(students, &AbstractStudentList::modified, this, &StudentListModel::refresh);
    refresh();
}

Student StudentListModel::student(const QModelIndex& index) const
{
    return rows.at(index.row());
}

int StudentListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows.size());
}

int StudentListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant StudentListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    const Student& student = rows.at(index.row());
    return index.column() == 0 ? student.name() : student.id();
}

QVariant StudentListModel::headerData(int section, Qt::Orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    return section == 0 ? tr("Name") : tr("Id");
}

void StudentListModel::sort(int column, Qt::SortOrder order)
{
    rowOrder = { column, order };
    refresh();
}

void StudentListModel::refresh()
{
    beginResetModel();
    rows.clear();
    for (int position = 0; position < students->count(); ++position)
        rows.append(students->at(position));
    sortRows();
    endResetModel();
}

void StudentListModel::sortRows()
{
    const bool descending = rowOrder.order == Qt::DescendingOrder;
    if (rowOrder.column != 0) {
        std::sort(rows.begin(), rows.end(), [descending](const Student& a, const Student& b) {
            return descending ? b.id() < a.id() : a.id() < b.id();
        });
        return;
    }
    collatedSort(
        rows, [](const Student& student) { return student.name(); },
        [](const Student& a, const Student& b) { return a.id() < b.id(); }, rowOrder.order);
}
