#include "pages/HistoryWidget.h"

HistoryWidget::HistoryWidget(AbstractHistory*)
{
}
