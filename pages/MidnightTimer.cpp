#include "pages/MidnightTimer.h"

#include <QDateTime>

#include <chrono>

MidnightTimer::MidnightTimer(QObject* parent)
    : QTimer(parent)
{
    setSingleShot(true);
    setTimerType(Qt::PreciseTimer);
}

void MidnightTimer::startForNextMidnight(const QDateTime& now)
{
    // startOfDay(): on a day whose midnight the clock change skips, the day
    // starts at the first moment that exists.
    start(std::chrono::milliseconds(now.msecsTo(now.date().addDays(1).startOfDay())));
}
