#ifndef STUDENTCSV_H
#define STUDENTCSV_H

#include "stores/Student.h"

#include <QList>

class QTextStream;

/// Reads the students of a CSV file: a header line, then "ID,first,last" per
/// line, no quoting; fields after the third are ignored, the ID is trimmed,
/// and lines with fewer than three fields or an empty ID are skipped.
/// Passwords are null. The text is decoded in
/// the locale's encoding unless it starts with a byte-order mark.
QList<Student> readStudentCsv(QTextStream& stream);

#endif
