#ifndef STUDENTSBYID_H
#define STUDENTSBYID_H

#include "stores/Student.h"

#include <QList>

// The student lists keep their students in ascending order of ID (UTF-16 code
// units), each ID once.

/// \a list in that order, the last student of an ID winning. A list in that
/// order already is taken as it is.
QList<Student> sortedById(const QList<Student>& list);

/// The student with that ID in a list in that order, or its end.
QList<Student>::iterator findById(QList<Student>& students, const QString& id);

#endif
