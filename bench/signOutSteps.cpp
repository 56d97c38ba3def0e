#include "signOutSteps.h"

#include "stores/AbstractHistory.h"
#include "stores/AbstractStudentList.h"
#include "stores/Clock.h"

SignOutOutcome signOutApartFromPassword(
    AbstractStudentList& students, AbstractHistory& history, const Clock& clock, const QString& id, const Item& item)
{
    if (!students.contains(id))
        return SignOutOutcome::Failed;
    const Student student = students.student(id);
    const std::optional<bool> out = history.isOut(item, clock.today());
    if (!out)
        return SignOutOutcome::Failed;
    if (*out)
        return SignOutOutcome::SeenOut;
    if (history.add(student, item))
        return SignOutOutcome::Recorded;
    return history.isOut(item, clock.today()).value_or(false) ? SignOutOutcome::LostRace : SignOutOutcome::Failed;
}
