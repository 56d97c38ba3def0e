#ifndef STUDENTVERIFIER_H
#define STUDENTVERIFIER_H

#include "pages/AbstractVerifier.h"
#include "stores/GuessThrottle.h"

#include <QCoreApplication>

class AbstractHistory;
class AbstractStudentList;
class Clock;

/// Accepts a sign-out when the ID is listed, the item is not out today and the
/// password is right; a student's first password is registered once typed twice.
/// Refusals are told to the student in message boxes. Guessing an ID's
/// password is slowed down after a few wrong ones.
class StudentVerifier : public AbstractVerifier
{
    Q_DECLARE_TR_FUNCTIONS(StudentVerifier)

public:
    StudentVerifier(AbstractStudentList* students, AbstractHistory* history, const Clock& clock);

    std::pair<bool, Student> verify(
        const QString& id, const QString& password, const Item& item, Refusal* refusal = nullptr) override;

private:
    bool checkPassword(const Student& record, const QString& password);
    bool registerPassword(const QString& id, const QString& password);

    AbstractStudentList* students;
    AbstractHistory* history;
    const Clock& clock;
    GuessThrottle throttle; // by student ID
};

#endif
