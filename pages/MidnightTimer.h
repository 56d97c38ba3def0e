#ifndef MIDNIGHTTIMER_H
#define MIDNIGHTTIMER_H

#include <QTimer>

/// A single-shot timer for the next local midnight, for pages that show
/// "today" on a kiosk that runs for days.
class MidnightTimer : public QTimer
{
    Q_OBJECT

public:
    explicit MidnightTimer(QObject* parent = nullptr);

    /// Times out at the first midnight after \a now. Restarted after each
    /// timeout, one that comes a little early simply waits for the next.
    void startForNextMidnight(const QDateTime& now);
};

#endif
