#ifndef FLATTABLE_H
#define FLATTABLE_H

#include <QModelIndex>

// The table models are flat: only the invisible root has children. Their
// index() and parent() share this one implementation.

/// An index for (row, column) under the root, built by the model's
/// createIndex; no index exists under any other parent.
template <typename CreateIndex>
QModelIndex flatIndex(int row, int column, const QModelIndex& parent, CreateIndex createIndex)
{
    return parent.isValid() ? QModelIndex() : createIndex(row, column);
}

/// Every index of a flat table has the root as its parent.
inline QModelIndex flatParent()
{
    return QModelIndex();
}

#endif
