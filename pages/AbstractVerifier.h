#ifndef ABSTRACTVERIFIER_H
#define ABSTRACTVERIFIER_H

#include "stores/Item.h"
#include "stores/Student.h"

#include <utility>

/// Decides whether a student may sign out an item now.
class AbstractVerifier
{
public:
    virtual ~AbstractVerifier() = default;

    /// Why a sign-out was refused, where the caller treats it apart from the others.
    enum class Refusal { Other, WrongPassword };

    /// (accepted, the student's record); the record is Student() when refused.
    /// Refusals are explained to the user by the verifier itself; \a refusal,
    /// when given, is set to the reason of a refusal.
    virtual std::pair<bool, Student> verify(
        const QString& id, const QString& password, const Item& item, Refusal* refusal = nullptr)
        = 0;
};

#endif
