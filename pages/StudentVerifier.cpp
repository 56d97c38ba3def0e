#include "pages/StudentVerifier.h"

#include "pages/dialogs.h"

StudentVerifier::StudentVerifier(AbstractStudentList* students, AbstractHistory* history, const Clock& clock)
    : rule(students, history, clock)
{
}

std::pair<bool, Student> StudentVerifier::verify(
    const QString& id, const QString& password, const Item& item, Refusal* refusal)
{
    if (refusal)
        *refusal = Refusal::Other;
    SignOutRule::Decision decision = rule.decide(id, password, item);
    if (decision.outcome == SignOutRule::Outcome::NeedsConfirmation) {
        const std::optional<QString> confirmation = askPassword(nullptr,
            tr("A password was not previously registered for '%1'.\nPlease re-confirm your password.")
                .arg(decision.student.toString()));
        if (!confirmation)
            return { false, Student() };
        // Trimmed as the page trims the password typed first.
        decision = rule.confirm(decision.student, password, confirmation->trimmed());
    }
    if (refusal) {
        // A registered password is refused only when it is wrong; the page then empties it.
        const bool wrong
            = decision.outcome == SignOutRule::Outcome::WrongPassword || decision.outcome == SignOutRule::Outcome::Held;
        *refusal = wrong ? Refusal::WrongPassword : Refusal::Other;
    }
    if (const QString message = explanation(decision); !message.isEmpty())
        showInformation(message);
    const bool accepted = decision.outcome == SignOutRule::Outcome::Accepted
        || decision.outcome == SignOutRule::Outcome::AcceptedUnsaved;
    return { accepted, accepted ? decision.student : Student() };
}

QString StudentVerifier::explanation(const SignOutRule::Decision& decision)
{
    switch (decision.outcome) {
    case SignOutRule::Outcome::Accepted:
    case SignOutRule::Outcome::NeedsConfirmation:
    case SignOutRule::Outcome::ResetMeanwhile:
        break;
    case SignOutRule::Outcome::AcceptedUnsaved:
        return tr("Your password could not be saved. Please tell a member of staff.");
    case SignOutRule::Outcome::UnknownStudent:
        return tr("Invalid username.");
    case SignOutRule::Outcome::HistoryUnreadable:
        return tr("The sign-out could not be recorded. Please tell a member of staff.");
    case SignOutRule::Outcome::ItemOut:
        return tr("The item is already signed out.");
    case SignOutRule::Outcome::WrongPassword:
        return tr("Invalid password.");
    case SignOutRule::Outcome::Held:
        return tr("Too many wrong passwords for this student ID. Please wait %n seconds or ask a member of staff.",
            nullptr, int(decision.wait.count()));
    case SignOutRule::Outcome::ConfirmationDiffers:
        return tr("The passwords did not match.");
    }
    return QString();
}
