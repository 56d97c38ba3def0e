#include "app/showInformation.h"

#include "app/keepAboveKiosk.h"

#include <QApplication>
#include <QMessageBox>

void showInformation(const QString& text)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Brindlow"), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    keepAboveKiosk(box);
    box.exec();
}
