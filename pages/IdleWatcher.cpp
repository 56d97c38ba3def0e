#include "pages/IdleWatcher.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

IdleWatcher::IdleWatcher(std::chrono::milliseconds interval, QObject* parent)
    : QObject(parent)
    , timer(new QTimer(this))
{
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, &IdleWatcher::idle);
    setInterval(interval);
    QCoreApplication::instance()->installEventFilter(this);
}

void IdleWatcher::setInterval(std::chrono::milliseconds interval)
{
    timer->start(interval);
}

void IdleWatcher::restart()
{
    timer->start();
}

bool IdleWatcher::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
        timer->start();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
