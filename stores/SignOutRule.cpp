#include "stores/SignOutRule.h"

#include "stores/AbstractHistory.h"
#include "stores/AbstractStudentList.h"
#include "stores/Clock.h"
#include "stores/passwordHash.h"

SignOutRule::SignOutRule(AbstractStudentList* studentList, AbstractHistory* historyStore, const Clock& clockSource)
    : students(studentList)
    , history(historyStore)
    , clock(clockSource)
    , gate(clockSource)
{
}

SignOutRule::Decision SignOutRule::decide(const QString& id, const QString& password, const Item& item)
{
    if (!students->contains(id))
        return { Outcome::UnknownStudent, Student() };
    const Student record = students->student(id);
    const std::optional<bool> signedOut = history->isOut(item, clock.today());
    // Unread, the item could be out already: better no sign-out than two.
    if (!signedOut)
        return { Outcome::HistoryUnreadable, Student() };
    if (*signedOut)
        return { Outcome::ItemOut, Student() };
    if (record.password().isNull()) {
        // Reset by staff: whoever was held starts afresh.
        gate.forget(id);
        return { Outcome::NeedsConfirmation, record };
    }
    return checkPassword(record, password);
}

SignOutRule::Decision SignOutRule::confirm(const Student& student, const QString& password, const QString& confirmation)
{
    if (confirmation != password)
        return { Outcome::ConfirmationDiffers, Student() };
    // Registered, even when empty: only a null password means "not registered".
    const QString hash = hashPassword(password);
    switch (
        hash.isNull() ? AbstractStudentList::Registration::NotStored : students->registerPassword(student.id(), hash)) {
    case AbstractStudentList::Registration::Registered:
        return { Outcome::Accepted, student };
    case AbstractStudentList::Registration::AlreadyRegistered: {
        // Another kiosk registered this student's first password a moment ago:
        // that one counts, and this attempt is checked against it.
        const Student registered = students->student(student.id());
        if (registered.password().isNull())
            return { Outcome::ResetMeanwhile, Student() };
        const Decision checked = checkPassword(registered, password);
        return checked.outcome == Outcome::Accepted ? Decision { Outcome::Accepted, student } : checked;
    }
    case AbstractStudentList::Registration::NotStored:
        break;
    }
    // The sign-out goes ahead, but a password the list could not keep would be
    // gone after a restart, free for the next person to claim.
    return { Outcome::AcceptedUnsaved, student };
}

SignOutRule::Decision SignOutRule::checkPassword(const Student& record, const QString& password)
{
    const PasswordGate::Check checked = gate.check(record.id(), record.password(), password);
    switch (checked.outcome) {
    case PasswordGate::Outcome::Held:
        return { Outcome::Held, Student(), checked.wait };
    case PasswordGate::Outcome::Wrong:
        return { Outcome::WrongPassword, Student() };
    case PasswordGate::Outcome::Accepted:
        break;
    }
    if (!checked.renewedHash.isNull())
        students->setPassword(record.id(), checked.renewedHash);
    return { Outcome::Accepted, record };
}
