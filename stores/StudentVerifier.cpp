#include "stores/StudentVerifier.h"

#include "app/keepAboveKiosk.h"
#include "app/showInformation.h"
#include "stores/AbstractHistory.h"
#include "stores/AbstractStudentList.h"

#include <QApplication>
#include <QInputDialog>

StudentVerifier::StudentVerifier(AbstractStudentList* students, AbstractHistory* history)
    : students(students)
    , history(history)
{
}

std::pair<bool, Student> StudentVerifier::verify(const QString& id, const QString& password, const Item& item)
{
    const std::pair<bool, Student> refused(false, Student());
    if (!students->contains(id)) {
        showInformation(QStringLiteral("Invalid username."));
        return refused;
    }
    const Student record = students->student(id);
    if (isSignedOutToday(item)) {
        showInformation(QStringLiteral("The item is already signed out."));
        return refused;
    }
    if (!checkPassword(record, password))
        return refused;
    // The record as read before a first password was registered: its password is still null.
    return { true, record };
}

bool StudentVerifier::isSignedOutToday(const Item& item)
{
    const QDate today = QDate::currentDate();
    const QList<Entry> entries = history->entries(today, today, {}, {});
    return std::any_of(entries.cbegin(), entries.cend(), [&item](const Entry& entry) { return entry.item() == item; });
}

bool StudentVerifier::checkPassword(const Student& record, const QString& password)
{
    if (record.password().isNull())
        return registerPassword(record.id(), password);
    if (record.password() != password) {
        showInformation(QStringLiteral("Invalid password."));
        return false;
    }
    return true;
}

bool StudentVerifier::registerPassword(const QString& id, const QString& password)
{
    QInputDialog confirmation(QApplication::activeWindow());
    confirmation.setWindowTitle(QStringLiteral("Brindlow"));
    confirmation.setLabelText(QLatin1String("A password was not previously registered for '") + id
                              + QLatin1String("'.\nPlease re-confirm your password."));
    confirmation.setTextEchoMode(QLineEdit::Password);
    keepAboveKiosk(confirmation);
    if (confirmation.exec() != QDialog::Accepted)
        return false;
    if (confirmation.textValue() != password) {
        showInformation(QStringLiteral("The passwords did not match."));
        return false;
    }
    // Registered, even when empty: only a null password means "not registered".
    // The sign-out goes ahead, but a password the list could not keep would be
    // gone after a restart, free for the next person to claim.
    if (!students->setPassword(id, password.isNull() ? QStringLiteral("") : password))
        showInformation(QStringLiteral("Your password could not be saved. Please tell a member of staff."));
    return true;
}
