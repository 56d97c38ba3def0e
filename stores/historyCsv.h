#ifndef HISTORYCSV_H
#define HISTORYCSV_H

#include "stores/HistoryQuery.h"
#include "stores/Progress.h"

class AbstractHistory;
class QIODevice;

enum class HistoryCsvResult { Written, Cancelled, HistoryUnreadable, DeviceFailed };

/// Writes the entries \a query finds, in time order, to \a device as a CSV
/// file that spreadsheets open: UTF-8 with a byte-order mark, a header row,
/// then per entry the local date and time in ISO 8601, the student's name and
/// ID and the item's name and number; fields quoted as RFC 4180 asks. Reads
/// the history in blocks, so memory does not grow with the rows; \a progress
/// hears of the rows written after each block.
HistoryCsvResult writeHistoryCsv(
    QIODevice& device, AbstractHistory& history, HistoryQuery query, const Progress& progress = {});

#endif
