#include "pages/SignOutWidget.h"

SignOutWidget::SignOutWidget(AbstractInventory*, AbstractHistory*, AbstractVerifier*)
{
}
