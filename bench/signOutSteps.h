#ifndef SIGNOUTSTEPS_H
#define SIGNOUTSTEPS_H

class AbstractHistory;
class AbstractStudentList;
class Clock;
class Item;
class QString;

enum class SignOutOutcome { Recorded, SeenOut, LostRace, Failed };

/// A sign-out as the verifier and the sign-out page make it, apart from the
/// password check and the dialogs: the student looked up, today's sign-outs
/// read for the item, the sign-out added, and after a refused add, today's
/// sign-outs read again to tell another kiosk's sign-out from a failure.
SignOutOutcome signOutApartFromPassword(
    AbstractStudentList& students, AbstractHistory& history, const Clock& clock, const QString& id, const Item& item);

#endif
