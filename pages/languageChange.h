#ifndef LANGUAGECHANGE_H
#define LANGUAGECHANGE_H

class QWidget;

/// Sorts each sorting view on \a page again by its own indicator, after a
/// change of language: names then follow the language's collation, and the
/// headers show its texts.
void sortViewsAgain(QWidget* page);

#endif
