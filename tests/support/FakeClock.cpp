#include "support/FakeClock.h"

FakeClock::FakeClock(const QDateTime& moment)
    : moment(moment)
{
}

void FakeClock::set(const QDateTime& newMoment)
{
    const bool newDay = newMoment.date() != moment.date();
    moment = newMoment;
    if (newDay)
        emit dayChanged();
}
