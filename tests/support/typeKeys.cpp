#include "support/typeKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

namespace {

void send(QWindow* window, QEvent::Type type, int key, const QString& text, quint64 time)
{
    QKeyEvent event(type, key, Qt::NoModifier, text);
    event.setTimestamp(time);
    QApplication::sendEvent(window, &event);
}

} // namespace

void typeKeys(QWidget* widget, const QString& keys, std::chrono::milliseconds pause, qsizetype stallAfter,
    std::chrono::milliseconds stall)
{
    // Every call starts long after the last one ended.
    static quint64 time = 1'000'000;
    time += 60'000;
    QWindow* window = widget->window()->windowHandle();
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const QChar c = keys.at(i);
        if (i == stallAfter)
            time += quint64(stall.count());
        const int key = c.toUpper().unicode();
        send(window, QEvent::KeyPress, key, c, time);
        send(window, QEvent::KeyRelease, key, c, time + 1);
        time += quint64(pause.count());
    }
    send(window, QEvent::KeyPress, Qt::Key_Return, QStringLiteral("\r"), time);
    send(window, QEvent::KeyRelease, Qt::Key_Return, QStringLiteral("\r"), time + 1);
}
