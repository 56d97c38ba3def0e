#ifndef DATERANGE_H
#define DATERANGE_H

class QDateEdit;

/// After \a changed, one end of the range \a from .. \a to, has moved past the
/// other end, drags that end along, so the range never stays inverted.
void keepRangeInOrder(const QDateEdit* changed, QDateEdit* from, QDateEdit* to);

#endif
