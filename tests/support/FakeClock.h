#ifndef FAKECLOCK_H
#define FAKECLOCK_H

#include "stores/Clock.h"

#include <chrono>

/// A clock that stands still at a moment the test chooses; moving it to
/// another day reports the new day at once, as midnight would.
class FakeClock : public Clock
{
    Q_OBJECT

public:
    explicit FakeClock(const QDateTime& start = QDateTime::currentDateTime());

    QDateTime now() const override;
    void set(const QDateTime& moment);
    /// Moves the clock on by \a interval each time it is read, as time passes
    /// between two readings.
    void tickOnEveryReading(std::chrono::milliseconds interval) { step = interval; }

private:
    mutable QDateTime moment;
    std::chrono::milliseconds step { 0 };
};

#endif
