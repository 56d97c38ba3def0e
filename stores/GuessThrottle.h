#ifndef GUESSTHROTTLE_H
#define GUESSTHROTTLE_H

#include <QDateTime>
#include <QHash>
#include <QString>

#include <chrono>

class Clock;

/// Slows down guessing a password, one key (a student ID) at a time: after
/// five wrong passwords in a row the key waits 30 seconds, and each further
/// wrong one doubles the wait, up to 15 minutes. Held in memory only, so a
/// prankster cannot lock a classmate out for longer than that.
class GuessThrottle
{
public:
    explicit GuessThrottle(const Clock& clockSource);

    /// How long \a key must still wait before its next try; zero when it may try now.
    std::chrono::seconds wait(const QString& key) const;
    void failed(const QString& key);
    /// The right password, or a password reset: \a key starts afresh.
    void forget(const QString& key);

private:
    struct Failures
    {
        int count = 0;
        QDateTime heldUntil;
    };

    const Clock& clock;
    QHash<QString, Failures> failures;
};

#endif
