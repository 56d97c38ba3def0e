#ifndef HISTORYMODEL_H
#define HISTORYMODEL_H

#include "stores/Entry.h"

#include <QAbstractItemModel>
#include <QDate>
#include <QStringList>

class AbstractHistory;

/// History entries of a date range that match search words, as a sortable
/// read-only table; re-reads the store on every change, filter and sort.
class HistoryModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    /// Column kinds; also the flags that choose them (Date | Time gives DateTime).
    enum HistoryColumn { DateColumn = 1, TimeColumn = 2, DateTimeColumn = 3, StudentColumn = 4, ItemColumn = 8 };

    /// Starts on the entries of \a day, with no words.
    HistoryModel(AbstractHistory* history, int columnFlags, const QDate& day);

    void setFilter(const QDate& from, const QDate& to, const QStringList& studentWords,
                   const QStringList& itemWords);

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
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
        HistoryColumn kind;
        Qt::SortOrder order;
        bool operator()(const Entry& a, const Entry& b) const;
    };

    AbstractHistory* history;
    QList<HistoryColumn> columns;
    QList<Entry> rows;
    RowOrder rowOrder;
    QDate from;
    QDate to;
    QStringList studentWords;
    QStringList itemWords;
};

#endif
