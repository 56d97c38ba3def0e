#ifndef USAGEDIFFERENCES_H
#define USAGEDIFFERENCES_H

#include "stores/Usage.h"

#include <QStringList>

/// The sums in which \a found differs from \a expected, by name; none when
/// they agree (a failed read in either differs).
QStringList usageDifferences(const Usage& found, const Usage& expected);

#endif
