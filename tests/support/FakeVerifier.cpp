#include "support/FakeVerifier.h"

std::pair<bool, Student> FakeVerifier::verify(const QString& id, const QString& password, const Item& item)
{
    calls.append({ id, password, item });
    if (!accepting)
        return { false, Student() };
    return { true, student };
}
