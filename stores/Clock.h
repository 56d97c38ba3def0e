#ifndef CLOCK_H
#define CLOCK_H

#include <QDateTime>
#include <QObject>

/// The local date and time for everything that stamps, shows or decides by
/// "today". A kiosk has one, so midnight comes at the same moment for every
/// page, and tests turn it to any moment they need.
class Clock : public QObject
{
    Q_OBJECT

public:
    ~Clock() override = default;

    virtual QDateTime now() const = 0;
    QDate today() const { return now().date(); }

signals:
    /// The local calendar day has changed since the last emission.
    void dayChanged();
};

#endif
