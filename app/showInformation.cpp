#include "app/showInformation.h"

#include <QApplication>
#include <QMessageBox>

void showInformation(const QString& text)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Brindlow"), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    // Right after another dialog closes no window may be active yet; an
    // unparented box must still show above the kiosk, which stays on top.
    if (!box.parentWidget())
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}
