#ifndef STUDENTLISTMODEL_H
#define STUDENTLISTMODEL_H

#include "stores/Student.h"

#include <QAbstractTableModel>

class AbstractStudentList;

/// The student list as a sortable two-column table, "Name" (in the locale's
/// collation) and "Id" (in code-unit order); re-reads the list on every
/// change and sort. Passwords are never shown.
class StudentListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit StudentListModel(AbstractStudentList* studentList);

    /// The student shown in the row of \a index, password included.
    Student student(const QModelIndex& index) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private slots:
    void refresh();

private:
    struct RowOrder
    {
        int column;
        Qt::SortOrder order;
    };

    void sortRows();

    RowOrder rowOrder { 0, Qt::AscendingOrder };
    AbstractStudentList* students;
    QList<Student> rows;
};

#endif
