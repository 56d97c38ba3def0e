#ifndef INSERTHISTORYROW_H
#define INSERTHISTORYROW_H

#include "stores/Item.h"
#include "stores/Student.h"

#include <QDateTime>

/// Writes a sign-out at any moment straight into the open "history"
/// connection, for tests that need entries of other days and times.
void insertHistoryRow(const QDateTime& moment, const Student& student, const Item& item);

#endif
