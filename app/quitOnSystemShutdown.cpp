#include "app/quitOnSystemShutdown.h"

#include <QGuiApplication>
#include <QSessionManager>

static bool shutdownRequested = false;

static void quit()
{
    shutdownRequested = true;
    QCoreApplication::exit(0);
}

bool systemShutdownRequested()
{
    return shutdownRequested;
}

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

static int signalSockets[2] = { -1, -1 };

// Only async-signal-safe work here: the event loop reads the byte.
static void notifyEventLoop(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalSockets[0], &byte, 1);
}

static void quitOnTerminationSignals(QGuiApplication& application)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalSockets) != 0) {
        qWarning("Cannot watch for termination signals");
        return;
    }
    auto* notifier = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, &application);
    QObject::connect(notifier, &QSocketNotifier::activated, &application, [] {
        char byte;
        [[maybe_unused]] const ssize_t read = ::read(signalSockets[1], &byte, 1);
        quit();
    });

    struct sigaction action = {};
    action.sa_handler = notifyEventLoop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : { SIGTERM, SIGINT, SIGHUP })
        sigaction(signal, &action, nullptr);
}
#endif

void quitOnSystemShutdown(QGuiApplication& application)
{
    // exit() rather than quit(): quit() first tries to close the window, whose
    // password prompt would hold up the logout.
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &application, [](QSessionManager&) { quit(); });
#ifdef Q_OS_UNIX
    quitOnTerminationSignals(application);
#endif
}
