#ifndef SEARCHWORDS_H
#define SEARCHWORDS_H

#include <QStringList>

/// The words of a search box: split at single spaces, so runs of spaces and
/// spaces at either end give no empty words.
QStringList searchWords(const QString& text);

#endif
