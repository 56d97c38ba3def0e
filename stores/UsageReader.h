#ifndef USAGEREADER_H
#define USAGEREADER_H

#include "stores/HistoryReader.h"
#include "stores/Usage.h"
#include "stores/UsageQuery.h"

struct SqlPart;

/// Sums a history table up for the usage page in the database: without words
/// from the counts per day and instrument name and per hour that the history's
/// trigger keeps, with words from the matching rows through their indexes.
class UsageReader
{
public:
    /// \a history folds the texts of new students and items before a search.
    UsageReader(QSqlDatabase& database, HistoryReader& history, HistoryReader::Planner planner);

    Usage usage(const UsageQuery& query);

private:
    SqlPart itemDays(const UsageQuery& query) const;
    SqlPart copyCounts(const UsageQuery& query) const;
    SqlPart studentCounts(const UsageQuery& query) const;
    SqlPart hoursOf(const UsageQuery& query, qint64 start, qint64 end) const;
    bool readHours(const UsageQuery& query, Usage& usage);

    QSqlDatabase& database;
    HistoryReader& history;
    const HistoryReader::Planner planner;
};

#endif
