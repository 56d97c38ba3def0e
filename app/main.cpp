#include "app/Kiosk.h"
#include "app/KioskLock.h"
#include "app/commandLine.h"
#include "app/kioskLog.h"
#include "app/ownerOnlyFiles.h"
#include "app/quitOnSystemShutdown.h"
#include "pages/dialogs.h"

#include <QApplication>
#include <QEventLoop>
#include <QSplashScreen>
#include <QTimer>

/// Waits, on the splash screen, while the kiosk's data is out of reach (a
/// shared database whose server is down); false when it cannot be used at all,
/// which has then been told, or when the system ends the program meanwhile.
static bool waitForData(const Kiosk& kiosk, QSplashScreen& splash)
{
    while (!kiosk.problem().isEmpty() && kiosk.stores->waitsForServer() && !systemShutdownRequested()) {
        splash.showMessage(QCoreApplication::translate("main", "%1\nTrying again...").arg(kiosk.problem()),
            Qt::AlignTop | Qt::AlignHCenter | Qt::TextWordWrap, Qt::white);
        QEventLoop waiting;
        QTimer::singleShot(500, &waiting, &QEventLoop::quit);
        waiting.exec();
    }
    if (kiosk.problem().isEmpty() || systemShutdownRequested())
        return kiosk.problem().isEmpty();
    splash.close();
    showInformation(kiosk.problem());
    return false;
}

static void nameApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Brindlow"));
    QCoreApplication::setOrganizationName(QStringLiteral("Ostmere"));
    QCoreApplication::setApplicationVersion(QStringLiteral(BRINDLOW_VERSION));
}

int main(int argc, char* argv[])
{
    installKioskLog();
    if (isCommandLineTask(argc, argv)) {
        QCoreApplication application(argc, argv);
        nameApplication();
        keepFilesOwnerOnly();
        return runCommandLine(application.arguments());
    }
    QApplication application(argc, argv);
    nameApplication();
    // Before the first file is made: the settings hold the administrator password's hash.
    keepFilesOwnerOnly();

    KioskLock lock;
    if (!lock.acquire())
        return 1;
    quitOnSystemShutdown(application);

    QSplashScreen splash(QPixmap(QStringLiteral(":/MainWindow/Icon.png")));
    splash.show();

    Kiosk kiosk([&splash](const QString& note) {
        // Above the picture's notes, where the splash has room for two lines.
        splash.showMessage(note, Qt::AlignTop | Qt::AlignHCenter | Qt::TextWordWrap, Qt::white);
        // Shown before the work begins, not after it.
        QCoreApplication::processEvents();
    });
    if (!waitForData(kiosk, splash))
        return systemShutdownRequested() ? 0 : 1;
    kiosk.showFullScreen();
    splash.finish(&kiosk.window);

    if (!systemShutdownRequested())
        application.exec();
    return 0;
}
