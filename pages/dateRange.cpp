#include "pages/dateRange.h"

#include <QDateEdit>

void keepRangeInOrder(const QDateEdit* changed, QDateEdit* from, QDateEdit* to)
{
    if (from->date() <= to->date())
        return;
    if (changed == from)
        to->setDate(from->date());
    else
        from->setDate(to->date());
}
