#ifndef SYSTEMCLOCK_H
#define SYSTEMCLOCK_H

#include "stores/Clock.h"

#include <QTimer>

/// The computer's clock, reporting each new day at local midnight.
class SystemClock : public Clock
{
    Q_OBJECT

public:
    SystemClock();

    QDateTime now() const override;

private:
    void followDay();

    QDate day;
    QTimer midnightTimer;
};

#endif
