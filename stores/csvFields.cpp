#include "stores/csvFields.h"

#include <algorithm>

// A spreadsheet runs a cell that begins like a formula (=HYPERLINK(...)); a
// leading apostrophe makes it text, as the spreadsheet makers advise.
static bool readAsFormula(const QString& field)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    return !field.isEmpty() && formulaStarts.contains(field.front());
}

void appendCsvField(QString& line, const QString& text)
{
    const QString field = readAsFormula(text) ? QStringLiteral("'") + text : text;
    const auto special = [](QChar c) { return c == u',' || c == u'"' || c == u'\n' || c == u'\r'; };
    if (std::none_of(field.cbegin(), field.cend(), special)) {
        line += field;
        return;
    }
    line += u'"';
    line += QString(field).replace(QLatin1String("\""), QLatin1String("\"\""));
    line += u'"';
}
