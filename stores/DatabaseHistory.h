#ifndef DATABASEHISTORY_H
#define DATABASEHISTORY_H

#include "stores/AbstractHistory.h"

#include <QSqlDatabase>

/// The history of sign-outs in the SQLite table "history" of the file "history".
class DatabaseHistory : public AbstractHistory
{
    Q_OBJECT

public:
    DatabaseHistory();
    ~DatabaseHistory() override;

    bool clear() override;
    bool add(const Student& student, const Item& item) override;
    QList<Entry> entries(const QDate& from, const QDate& to, const QStringList& studentFilters,
                         const QStringList& itemFilters) override;

private:
    QSqlDatabase database;
};

#endif
