#ifndef SQLBATCHES_H
#define SQLBATCHES_H

#include <QList>
#include <QVariant>

// Statements over many rows at once, and the values bound to them.

/// A statement grows with its rows, and databases bound its size: longer
/// lists are cut into chunks of this many.
constexpr qsizetype MaxRowsPerStatement = 200;

/// Runs \a statement on consecutive chunks of \a rows, \a perChunk at most,
/// until one fails; true when none failed.
template <typename Row, typename Statement>
bool forEachChunk(const QList<Row>& rows, Statement statement, qsizetype perChunk = MaxRowsPerStatement)
{
    for (qsizetype start = 0; start < rows.size(); start += perChunk)
        if (!statement(rows.mid(start, perChunk)))
            return false;
    return true;
}

/// A null string would be bound as NULL, which never equals itself and cannot
/// be compared to find the rows after it: the empty text is stored instead
/// (an empty name box, for one, gives a null string).
QString textValue(const QString& text);

/// A PostgreSQL array of \a values as text ("{...}"), bound as one value
/// where a list is passed, so that the statement's text stays the same for
/// any number of values: a null (a null string too) is NULL.
QString postgresArray(const QVariantList& values);

/// \a term \a count times, joined by \a separator.
QString repeated(const QString& term, const QString& separator, qsizetype count);

#endif
