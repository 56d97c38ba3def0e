#include "app/keepAboveKiosk.h"

#include <QDialog>

void keepAboveKiosk(QDialog& dialog)
{
    if (!dialog.parentWidget())
        dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
}
