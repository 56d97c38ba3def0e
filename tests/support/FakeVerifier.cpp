#include "support/FakeVerifier.h"

std::pair<bool, Student> FakeVerifier::verify(
    const QString& id, const QString& password, const Item& item, Refusal* reason)
{
    calls.append({ id, password, item });
    if (!accepting) {
        if (reason)
            *reason = refusal;
        return { false, Student() };
    }
    return { true, student };
}
