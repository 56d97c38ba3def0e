#include "support/FakeClock.h"

FakeClock::FakeClock(const QDateTime& start)
    : moment(start)
{
}

QDateTime FakeClock::now() const
{
    const QDateTime reading = moment;
    moment = moment.addMSecs(step.count());
    return reading;
}

void FakeClock::set(const QDateTime& newMoment)
{
    const bool newDay = newMoment.date() != moment.date();
    moment = newMoment;
    if (newDay)
        emit dayChanged();
}
