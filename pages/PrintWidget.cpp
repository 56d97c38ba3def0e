#include "pages/PrintWidget.h"

PrintWidget::PrintWidget(AbstractHistory*)
{
}
