#include "stores/GuessThrottle.h"

#include "stores/Clock.h"

#include <algorithm>

static constexpr int FreeGuesses = 5;
static constexpr std::chrono::seconds FirstWait { 30 };
static constexpr std::chrono::seconds LongestWait { 15 * 60 };

GuessThrottle::GuessThrottle(const Clock& clockSource)
    : clock(clockSource)
{
}

std::chrono::seconds GuessThrottle::wait(const QString& key) const
{
    const auto found = failures.constFind(key);
    if (found == failures.cend() || !found->heldUntil.isValid())
        return std::chrono::seconds(0);
    const qint64 ms = clock.now().msecsTo(found->heldUntil);
    // Rounded up: "wait 0 seconds" would be a refusal without a reason.
    return std::chrono::seconds(ms > 0 ? (ms + 999) / 1000 : 0);
}

void GuessThrottle::failed(const QString& key)
{
    Failures& record = failures[key];
    ++record.count;
    if (record.count < FreeGuesses)
        return;
    // 30 s, 60 s, 120 s ...: the doubling stops long before the shift could overflow.
    const int doublings = std::min(record.count - FreeGuesses, 5);
    const std::chrono::seconds held = std::min(FirstWait * (1 << doublings), LongestWait);
    record.heldUntil = clock.now().addSecs(held.count());
}

void GuessThrottle::forget(const QString& key)
{
    failures.remove(key);
}
