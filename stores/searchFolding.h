#ifndef SEARCHFOLDING_H
#define SEARCHFOLDING_H

#include <QString>

/// \a text as history searches compare it: without accents or other combining
/// marks, with compatibility forms and letters such as ß, ø and ł spelt out
/// ("ﬁ" as "fi", "Łukasz" as "lukasz") and case folded, in every script.
/// "ZOË", "zoe" and "Zoë" all fold to "zoe".
QString foldForSearch(const QString& text);

#endif
