#include "pages/StudentVerifier.h"

#include "pages/dialogs.h"
#include "stores/AbstractHistory.h"
#include "stores/AbstractStudentList.h"
#include "stores/Clock.h"
#include "stores/itemOut.h"
#include "stores/passwordHash.h"

StudentVerifier::StudentVerifier(AbstractStudentList* students, AbstractHistory* history, const Clock& clock)
    : students(students)
    , history(history)
    , clock(clock)
    , throttle(clock)
{
}

std::pair<bool, Student> StudentVerifier::verify(
    const QString& id, const QString& password, const Item& item, Refusal* refusal)
{
    if (refusal)
        *refusal = Refusal::Other;
    const std::pair<bool, Student> refused(false, Student());
    if (!students->contains(id)) {
        showInformation(tr("Invalid username."));
        return refused;
    }
    const Student record = students->student(id);
    const std::optional<bool> signedOut = isItemOut(*history, item, clock.today());
    if (!signedOut) {
        // Unread, the item could be out already: better no sign-out than two.
        showInformation(tr("The sign-out could not be recorded. Please tell a member of staff."));
        return refused;
    }
    if (*signedOut) {
        showInformation(tr("The item is already signed out."));
        return refused;
    }
    if (!checkPassword(record, password)) {
        // A registered password is refused only when it is wrong; it may have
        // been registered a moment ago, on another kiosk.
        if (refusal && !students->student(id).password().isNull())
            *refusal = Refusal::WrongPassword;
        return refused;
    }
    // The record as read before a first password was registered: its password is still null.
    return { true, record };
}

bool StudentVerifier::checkPassword(const Student& record, const QString& password)
{
    const QString& id = record.id();
    if (record.password().isNull()) {
        // Reset by staff: whoever was held starts afresh.
        throttle.forget(id);
        return registerPassword(id, password);
    }
    if (const std::chrono::seconds wait = throttle.wait(id); wait.count() > 0) {
        showInformation(tr("Too many wrong passwords for this student ID. "
                           "Please wait %n seconds or ask a member of staff.",
            nullptr, int(wait.count())));
        return false;
    }
    if (!passwordMatches(record.password(), password)) {
        throttle.failed(id);
        showInformation(tr("Invalid password."));
        return false;
    }
    throttle.forget(id);
    if (const QString hash = renewedHash(record.password(), password); !hash.isNull())
        students->setPassword(id, hash);
    return true;
}

bool StudentVerifier::registerPassword(const QString& id, const QString& password)
{
    const std::optional<QString> confirmation = askPassword(nullptr,
        tr("A password was not previously registered for '%1'.\nPlease re-confirm your password.")
            .arg(students->student(id).toString()));
    if (!confirmation)
        return false;
    // Trimmed as the page trims the password typed first.
    if (confirmation->trimmed() != password) {
        showInformation(tr("The passwords did not match."));
        return false;
    }
    // Registered, even when empty: only a null password means "not registered".
    const QString hash = hashPassword(password);
    switch (hash.isNull() ? AbstractStudentList::Registration::NotStored : students->registerPassword(id, hash)) {
    case AbstractStudentList::Registration::Registered:
        return true;
    case AbstractStudentList::Registration::AlreadyRegistered: {
        // Another kiosk registered this student's first password a moment ago:
        // that one counts, and this attempt is checked against it.
        const Student registered = students->student(id);
        return !registered.password().isNull() && checkPassword(registered, password);
    }
    case AbstractStudentList::Registration::NotStored:
        break;
    }
    // The sign-out goes ahead, but a password the list could not keep would be
    // gone after a restart, free for the next person to claim.
    showInformation(tr("Your password could not be saved. Please tell a member of staff."));
    return true;
}
