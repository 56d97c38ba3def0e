#ifndef CSVFIELDS_H
#define CSVFIELDS_H

#include <QString>

/// Appends \a text to a CSV \a line as one field: quoted as RFC 4180 asks when
/// it holds a comma, a quote or a line break, and with a leading apostrophe
/// when a spreadsheet would run it as a formula.
void appendCsvField(QString& line, const QString& text);

#endif
