#ifndef STUDENTLISTFORMAT_H
#define STUDENTLISTFORMAT_H

#include "stores/Student.h"

#include <QList>

class QDataStream;

/// Reads a student list: a big-endian 32-bit count, then name, ID and password
/// of each student. A truncated list yields the records present, the last one
/// with its missing fields null; a damaged one stops at the damage.
QList<Student> readStudentList(QDataStream& stream);

/// Writes \a students in that layout; returns whether the stream took it all.
bool writeStudentList(QDataStream& stream, const QList<Student>& students);

#endif
