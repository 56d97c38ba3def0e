#ifndef PASSWORDGATE_H
#define PASSWORDGATE_H

#include "stores/GuessThrottle.h"

#include <QString>

#include <chrono>

class Clock;

/// Checks a typed password against the stored one, for a student ID or the
/// administrator alike: guessing is slowed down per key, and a stored password
/// of an older release or another cost is handed back as its new hash.
class PasswordGate
{
public:
    explicit PasswordGate(const Clock& clock);

    enum class Outcome { Accepted, Wrong, Held };
    struct Check
    {
        Outcome outcome;
        std::chrono::seconds wait { 0 }; ///< how long a held key must still wait
        QString renewedHash; ///< to keep in place of the stored password; null when it stays
    };

    /// How long \a key must still wait before its next try; zero when it may try now.
    std::chrono::seconds wait(const QString& key) const { return throttle.wait(key); }
    Check check(const QString& key, const QString& stored, const QString& typed);
    /// A password reset: \a key starts afresh.
    void forget(const QString& key) { throttle.forget(key); }

private:
    GuessThrottle throttle;
};

#endif
