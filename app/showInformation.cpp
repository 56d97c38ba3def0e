#include "app/showInformation.h"

#include <QApplication>
#include <QMessageBox>

void showInformation(const QString& text)
{
    QMessageBox::information(QApplication::activeWindow(), QStringLiteral("Brindlow"), text, QMessageBox::Ok,
                             QMessageBox::NoButton);
}
