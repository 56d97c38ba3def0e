#include "stores/SystemClock.h"

#include <QSocketNotifier>

#include <chrono>

#ifdef Q_OS_LINUX
#include <sys/timerfd.h>
#include <unistd.h>
#endif

SystemClock::SystemClock()
    : midnightTimer(this)
    , dayCheckTimer(this)
{
    midnightTimer.setObjectName(QStringLiteral("midnightTimer"));
    midnightTimer.setSingleShot(true);
    midnightTimer.setTimerType(Qt::PreciseTimer);
    connect(&midnightTimer, &QTimer::timeout, this, &SystemClock::followDay);
    dayCheckTimer.setInterval(std::chrono::seconds(10));
    connect(&dayCheckTimer, &QTimer::timeout, this, &SystemClock::followDay);
    dayCheckTimer.start();
#ifdef Q_OS_LINUX
    // Fires at midnight by the wall clock, at once after a sleep through it,
    // and whenever the wall clock is set (TFD_TIMER_CANCEL_ON_SET).
    wallClockAlarm = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (wallClockAlarm >= 0) {
        wallClockNotifier = new QSocketNotifier(wallClockAlarm, QSocketNotifier::Read, this);
        connect(wallClockNotifier, &QSocketNotifier::activated, this, [this] {
            quint64 expirations = 0;
            // Fails with ECANCELED when the clock was set; either way the day is read again.
            [[maybe_unused]] const ssize_t read = ::read(wallClockAlarm, &expirations, sizeof expirations);
            followDay();
        });
    }
#endif
    followDay();
}

SystemClock::~SystemClock()
{
#ifdef Q_OS_LINUX
    if (wallClockAlarm >= 0) {
        delete wallClockNotifier;
        ::close(wallClockAlarm);
    }
#endif
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
    const QDateTime midnight = day.addDays(1).startOfDay();
    midnightTimer.start(std::chrono::milliseconds(moment.msecsTo(midnight)));
    armWallClockAlarm(midnight);
    if (changed)
        emit dayChanged();
}

void SystemClock::armWallClockAlarm([[maybe_unused]] const QDateTime& midnight)
{
#ifdef Q_OS_LINUX
    if (wallClockAlarm < 0)
        return;
    const qint64 msecs = midnight.toMSecsSinceEpoch();
    itimerspec alarm {};
    alarm.it_value.tv_sec = time_t(msecs / 1000);
    alarm.it_value.tv_nsec = long(msecs % 1000) * 1'000'000;
    timerfd_settime(wallClockAlarm, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &alarm, nullptr);
#endif
}
