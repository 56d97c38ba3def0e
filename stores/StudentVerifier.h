#ifndef STUDENTVERIFIER_H
#define STUDENTVERIFIER_H

#include "stores/AbstractVerifier.h"

class AbstractHistory;
class AbstractStudentList;

/// Accepts a sign-out when the ID is listed, the item is not out today and the
/// password is right; a student's first password is registered once typed twice.
class StudentVerifier : public AbstractVerifier
{
public:
    StudentVerifier(AbstractStudentList* students, AbstractHistory* history);

    std::pair<bool, Student> verify(const QString& id, const QString& password, const Item& item) override;

private:
    bool isSignedOutToday(const Item& item);
    bool checkPassword(const Student& record, const QString& password);
    bool registerPassword(const QString& id, const QString& password);

    AbstractStudentList* students;
    AbstractHistory* history;
};

#endif
