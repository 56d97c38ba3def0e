#ifndef SORTMENU_H
#define SORTMENU_H

class QWidget;

/// Gives each sorting view on \a page a context menu ("Sort by ..." each
/// shown column), so that a table is sorted from the keyboard too (the menu
/// key or Shift+F10), not only by clicking its headers, which take no focus.
/// Choosing the column already sorted by reverses its order.
void offerSortMenus(QWidget* page);

#endif
