#ifndef IDLEWATCHER_H
#define IDLEWATCHER_H

#include <QObject>

#include <chrono>

class QTimer;

/// Tells when nobody has used the keyboard, the mouse or a touch screen
/// anywhere in the application for a while, so that a kiosk left alone can
/// put away what the next person must not find.
class IdleWatcher : public QObject
{
    Q_OBJECT

public:
    IdleWatcher(std::chrono::milliseconds interval, QObject* parent);

    /// Starts the wait again, with \a interval from now on.
    void setInterval(std::chrono::milliseconds interval);
    /// Starts the wait again.
    void restart();

signals:
    /// Once per quiet spell: no input for the whole interval.
    void idle();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTimer* timer;
};

#endif
