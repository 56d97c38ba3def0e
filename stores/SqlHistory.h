#ifndef SQLHISTORY_H
#define SQLHISTORY_H

#include "stores/AbstractHistory.h"

class HistoryReader;
class UsageReader;

/// A history kept in SQL tables, whichever database holds them, and read
/// through its HistoryReader.
class SqlHistory : public AbstractHistory
{
    Q_OBJECT

public:
    QList<Entry> entries(const QDate& from, const QDate& to, const QStringList& studentFilters,
        const QStringList& itemFilters, bool* ok = nullptr) override;
    qsizetype count(const HistoryQuery& query) override;
    QList<Entry> slice(const HistoryQuery& query, qsizetype offset, qsizetype limit) override;
    Usage usage(const UsageQuery& query) override;
    std::optional<bool> isOut(const Item& item, const QDate& day) override;

protected:
    virtual HistoryReader& reader() = 0;
    virtual UsageReader& usageReader() = 0;
};

#endif
