#include "stores/SystemClock.h"

#include <chrono>

SystemClock::SystemClock()
    : midnightTimer(this)
{
    midnightTimer.setObjectName(QStringLiteral("midnightTimer"));
    midnightTimer.setSingleShot(true);
    midnightTimer.setTimerType(Qt::PreciseTimer);
    connect(&midnightTimer, &QTimer::timeout, this, &SystemClock::followDay);
    followDay();
}

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

// A timer that fires a little early finds the same day and simply waits for
// the next midnight.
void SystemClock::followDay()
{
    const QDateTime moment = now();
    const bool changed = day.isValid() && moment.date() != day;
    day = moment.date();
    // startOfDay(): on a day whose midnight the clock change skips, the day
    // starts at the first moment that exists.
    midnightTimer.start(std::chrono::milliseconds(moment.msecsTo(day.addDays(1).startOfDay())));
    if (changed)
        emit dayChanged();
}
