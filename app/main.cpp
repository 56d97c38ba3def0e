#include "app/KioskLock.h"
#include "app/MainWindow.h"
#include "app/kioskWindowFlags.h"
#include "app/quitOnSystemShutdown.h"
#include "stores/DatabaseHistory.h"
#include "stores/DatabaseInventory.h"
#include "stores/FileStudentList.h"
#include "stores/StudentVerifier.h"

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

    // Automatic objects: destroyed in exactly the reverse order, so the student
    // list is written after everything that could change it is gone.
    DatabaseInventory inventory;
    DatabaseHistory history;
    FileStudentList students(QStringLiteral("students.lst"));
    StudentVerifier verifier(&students, &history);
    MainWindow window(&inventory, &history, &students, &verifier);

    window.setWindowFlags(window.windowFlags() | KioskWindowFlags);
    window.showFullScreen();
    splash.finish(&window);

    if (!systemShutdownRequested())
        application.exec();
    return 0;
}
