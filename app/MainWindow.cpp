#include "app/MainWindow.h"

MainWindow::MainWindow(AbstractInventory*, AbstractHistory*, AbstractStudentList*, AbstractVerifier*)
{
    resize(640, 480);
    setWindowTitle(QStringLiteral("Brindlow"));
}
