#ifndef USAGECSV_H
#define USAGECSV_H

#include "models/UsageTable.h"

class QIODevice;

/// Writes \a tables to \a device as one CSV file, as the history export
/// writes: UTF-8 with a byte-order mark, RFC 4180, formulas kept as text.
/// Each table is its title, its header row and its rows, then an empty line.
/// False when the device did not take it all.
bool writeUsageCsv(QIODevice& device, const QList<const UsageTable*>& tables);

#endif
