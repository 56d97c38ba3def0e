#ifndef FAKEHISTORY_H
#define FAKEHISTORY_H

#include "stores/AbstractHistory.h"

/// A history in memory whose entries a test records at moments of its choice.
/// Search words are not applied; only the days are.
class FakeHistory : public AbstractHistory
{
    Q_OBJECT

public:
    bool clear() override;
    bool add(const Student& student, const Item& item) override;
    QList<Entry> entries(
        const QDate& from, const QDate& to, const QStringList& studentFilters, const QStringList& itemFilters) override;

    /// Records \a entry as a sign-out would and reports the change.
    void record(const Entry& entry);

    QList<Entry> recorded;
    int clearCalls = 0;
    /// When false, clear() leaves the entries as they are and returns false.
    bool storing = true;
};

#endif
