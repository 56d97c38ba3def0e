#ifndef STUDENTVERIFIER_H
#define STUDENTVERIFIER_H

#include "pages/AbstractVerifier.h"
#include "stores/SignOutRule.h"

#include <QCoreApplication>

class AbstractHistory;
class AbstractStudentList;
class Clock;

/// Accepts a sign-out when the ID is listed, the item is not out today and the
/// password is right; a student's first password is registered once typed twice.
/// The rule decides; this tells the student in message boxes and asks for the
/// confirmation of a first password.
class StudentVerifier : public AbstractVerifier
{
    Q_DECLARE_TR_FUNCTIONS(StudentVerifier)

public:
    StudentVerifier(AbstractStudentList* students, AbstractHistory* history, const Clock& clock);

    std::pair<bool, Student> verify(
        const QString& id, const QString& password, const Item& item, Refusal* refusal = nullptr) override;

private:
    /// What the student is told of \a decision; empty when nothing.
    static QString explanation(const SignOutRule::Decision& decision);

    SignOutRule rule;
};

#endif
