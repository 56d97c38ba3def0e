#ifndef FAKECLOCK_H
#define FAKECLOCK_H

#include "stores/Clock.h"

/// A clock that stands still at a moment the test chooses; moving it to
/// another day reports the new day at once, as midnight would.
class FakeClock : public Clock
{
    Q_OBJECT

public:
    explicit FakeClock(const QDateTime& moment = QDateTime::currentDateTime());

    QDateTime now() const override { return moment; }
    void set(const QDateTime& moment);

private:
    QDateTime moment;
};

#endif
