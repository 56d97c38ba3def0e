#ifndef SIGNOUTRULE_H
#define SIGNOUTRULE_H

#include "stores/Item.h"
#include "stores/PasswordGate.h"
#include "stores/Student.h"

#include <chrono>

class AbstractHistory;
class AbstractStudentList;
class Clock;

/// Decides whether a student may sign out an item now: the ID is listed, the
/// item is not out today and the password is right; a student's first
/// password is registered once it has been confirmed. It only decides and
/// records the password; whoever asks tells the student.
class SignOutRule
{
public:
    SignOutRule(AbstractStudentList* studentList, AbstractHistory* historyStore, const Clock& clockSource);

    enum class Outcome {
        Accepted,
        /// Accepted, but the first password could not be stored.
        AcceptedUnsaved,
        UnknownStudent,
        /// Today's sign-outs could not be read: the item might be out.
        HistoryUnreadable,
        ItemOut,
        WrongPassword,
        /// Too many wrong passwords for this ID: see wait.
        Held,
        /// No password is registered yet: confirm() it.
        NeedsConfirmation,
        /// The confirmation differed from the password.
        ConfirmationDiffers,
        /// Registered on another kiosk and reset by staff while confirming:
        /// nothing the student could act on.
        ResetMeanwhile,
    };
    struct Decision
    {
        Outcome outcome;
        /// The record as read before any first password was registered; Student() when refused.
        Student student;
        std::chrono::seconds wait { 0 };
    };

    Decision decide(const QString& id, const QString& password, const Item& item);
    /// Registers the first password of \a student, after NeedsConfirmation.
    Decision confirm(const Student& student, const QString& password, const QString& confirmation);

private:
    Decision checkPassword(const Student& record, const QString& password);

    AbstractStudentList* students;
    AbstractHistory* history;
    const Clock& clock;
    PasswordGate gate; // by student ID
};

#endif
