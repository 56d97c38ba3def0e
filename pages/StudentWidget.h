#ifndef STUDENTWIDGET_H
#define STUDENTWIDGET_H

#include <QWidget>

class AbstractHistory;
class AbstractInventory;
class AbstractStudentList;
class AbstractVerifier;

// Placeholder until the page is built.
class StudentWidget : public QWidget
{
    Q_OBJECT

public:
    StudentWidget(AbstractHistory* history, AbstractStudentList* students);
};

#endif
