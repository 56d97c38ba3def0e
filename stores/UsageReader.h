#ifndef USAGEREADER_H
#define USAGEREADER_H

#include "stores/HistoryReader.h"
#include "stores/Usage.h"
#include "stores/UsageQuery.h"

class PreparedStatements;
struct SqlPart;

/// Sums a history table up for the usage page in the database: without words
/// from the counts per day and instrument name, per hour, per copy and per
/// instrument's students that the history's trigger keeps (and a range's rows
/// through the indexes where those cannot answer), with words from the
/// matching rows through their indexes. Only the query's parts are read.
class UsageReader
{
public:
    /// \a reader folds the texts of new students and items before a search.
    UsageReader(PreparedStatements& prepared, HistoryReader& reader, HistoryReader::Planner dialect);

    Usage usage(const UsageQuery& query);

private:
    /// Whether the range holds every sign-out, when the counts over the whole history answer.
    bool coversHistory(const UsageQuery& query, bool& covers);
    SqlPart rowDay(const UsageQuery& query) const;
    SqlPart copyCounts(const UsageQuery& query, bool wholeHistory) const;
    SqlPart studentCounts(const UsageQuery& query, bool wholeHistory) const;
    SqlPart hoursOf(const UsageQuery& query, qint64 start, qint64 end) const;
    bool readInstruments(const UsageQuery& query, bool wholeHistory, Usage& usage);
    bool readWeeks(const UsageQuery& query, Usage& usage);
    bool readHours(const UsageQuery& query, Usage& usage);

    PreparedStatements& statements;
    HistoryReader& history;
    const HistoryReader::Planner planner;
};

#endif
