#include "pages/StudentWidget.h"

StudentWidget::StudentWidget(AbstractHistory*, AbstractStudentList*)
{
}
