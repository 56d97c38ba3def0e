#ifndef PROGRESS_H
#define PROGRESS_H

#include <QtGlobal>

#include <functional>

/// Told how far a long operation has come, \a done of \a total; returns
/// whether to go on, so that a person watching can stop it.
using Progress = std::function<bool(qint64 done, qint64 total)>;

#endif
