#ifndef ITEMVIEWS_H
#define ITEMVIEWS_H

#include <QStringList>

class QAbstractItemModel;
class QAbstractItemView;
class QHeaderView;

// Drive item views as a user would; the view must be shown.

/// Clicks the cell (\a row, \a column) of \a view with \a modifiers held.
void clickCell(QAbstractItemView* view, int row, int column = 0, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
/// Clicks the middle of \a section of \a header.
void clickSection(QHeaderView* header, int section);
/// The display texts of \a column of a flat model, top to bottom.
QStringList columnTexts(const QAbstractItemModel* model, int column = 0);

#endif
