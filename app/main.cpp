#include "app/Kiosk.h"
#include "app/KioskLock.h"
#include "app/quitOnSystemShutdown.h"
#include "pages/dialogs.h"

#include <QApplication>
#include <QSplashScreen>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brindlow"));
    QApplication::setOrganizationName(QStringLiteral("Ostmere"));

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
    if (const QString problem = kiosk.problem(); !problem.isEmpty()) {
        splash.close();
        showInformation(problem);
        return 1;
    }
    kiosk.showFullScreen();
    splash.finish(&kiosk.window);

    if (!systemShutdownRequested())
        application.exec();
    return 0;
}
