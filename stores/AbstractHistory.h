#ifndef ABSTRACTHISTORY_H
#define ABSTRACTHISTORY_H

#include "stores/Entry.h"

#include <QList>
#include <QObject>
#include <QStringList>

/// The record of sign-outs. Changes return whether they were stored and emit
/// modified() once afterwards, stored or not.
class AbstractHistory : public QObject
{
    Q_OBJECT

public:
    ~AbstractHistory() override = 0;

    virtual bool clear() = 0;
    /// Records that \a student signed out \a item now.
    virtual bool add(const Student& student, const Item& item) = 0;
    /// The entries recorded on the local days \a from through \a to whose
    /// student and item texts contain every filter word (ASCII case ignored,
    /// '%' and '_' are wildcards), in the order they were recorded. What could
    /// be read; \a ok, when given, tells whether that was all.
    virtual QList<Entry> entries(const QDate& from, const QDate& to, const QStringList& studentFilters,
                                 const QStringList& itemFilters, bool* ok = nullptr)
        = 0;

signals:
    void modified();
};

#endif
