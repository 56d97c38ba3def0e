#ifndef FAKEVERIFIER_H
#define FAKEVERIFIER_H

#include "pages/AbstractVerifier.h"

#include <QList>

/// A verifier that records what it was asked and gives the answer the test chose.
class FakeVerifier : public AbstractVerifier
{
public:
    struct Call
    {
        QString id;
        QString password;
        Item item;
    };

    std::pair<bool, Student> verify(
        const QString& id, const QString& password, const Item& item, Refusal* refusal = nullptr) override;

    QList<Call> calls;
    bool accepting = true;
    /// The reason given with a refusal.
    Refusal refusal = Refusal::Other;
    /// The record returned with an acceptance.
    Student student { QStringLiteral("Ada Lovelace"), QStringLiteral("1815"), QStringLiteral("secret") };
};

#endif
