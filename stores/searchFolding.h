#ifndef SEARCHFOLDING_H
#define SEARCHFOLDING_H

#include <QString>
#include <QStringList>

/// \a text as history searches compare it: without accents or other combining
/// marks, with compatibility forms and letters such as ß, ø and ł spelt out
/// ("ﬁ" as "fi", "Łukasz" as "lukasz") and case folded, in every script.
/// "ZOË", "zoe" and "Zoë" all fold to "zoe".
QString foldForSearch(const QString& text);

/// The folded runs of a search word between its wildcards ('%' and '_', each
/// any characters), which a text must contain in this order.
QStringList searchPieces(const QString& word);

/// Whether \a text contains every search word, as the history's search finds it.
bool containsSearchWords(const QString& text, const QStringList& words);

#endif
