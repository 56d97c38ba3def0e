#ifndef SYSTEMCLOCK_H
#define SYSTEMCLOCK_H

#include "stores/Clock.h"

#include <QTimer>

class QSocketNotifier;

/// The computer's clock, reporting each new day as the wall clock reaches it:
/// at local midnight, and however else it gets there (a computer that slept
/// through midnight, a clock set by the network, a new time zone).
class SystemClock : public Clock
{
    Q_OBJECT

public:
    SystemClock();
    ~SystemClock() override;

    QDateTime now() const override;

private:
    void followDay();
    void armWallClockAlarm(const QDateTime& midnight);

    QDate day;
    // Qt's timers run on the monotonic clock, which stands still while the
    // computer sleeps and ignores the wall clock being set.
    QTimer midnightTimer;
    QTimer dayCheckTimer; // a new time zone changes no clock at all
    int wallClockAlarm = -1; // Linux: a timer on the wall clock itself
    QSocketNotifier* wallClockNotifier = nullptr;
};

#endif
