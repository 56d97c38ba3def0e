#ifndef QUITONSYSTEMSHUTDOWN_H
#define QUITONSYSTEMSHUTDOWN_H

class QGuiApplication;

/// Ends the event loop when the system ends the program (logout, shutdown,
/// SIGTERM, SIGINT, SIGHUP), so that the normal teardown saves everything.
/// No password is asked: a kiosk must never block a shutdown.
void quitOnSystemShutdown(QGuiApplication& application);

/// Whether the system asked the program to end; a request that came before
/// the event loop started cannot end it, so start-up checks this.
bool systemShutdownRequested();

#endif
