#include "stores/PasswordGate.h"

#include "stores/passwordHash.h"

PasswordGate::PasswordGate(const Clock& clock)
    : throttle(clock)
{
}

PasswordGate::Check PasswordGate::check(const QString& key, const QString& stored, const QString& typed)
{
    // While held, no check runs at all: a guess then tells nothing.
    if (const std::chrono::seconds held = throttle.wait(key); held.count() > 0)
        return { Outcome::Held, held, QString() };
    if (!passwordMatches(stored, typed)) {
        throttle.failed(key);
        return { Outcome::Wrong, std::chrono::seconds(0), QString() };
    }
    throttle.forget(key);
    return { Outcome::Accepted, std::chrono::seconds(0), renewedHash(stored, typed) };
}
