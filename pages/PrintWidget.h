#ifndef PRINTWIDGET_H
#define PRINTWIDGET_H

#include <QWidget>

class AbstractHistory;
class AbstractInventory;
class AbstractStudentList;
class AbstractVerifier;

// Placeholder until the page is built.
class PrintWidget : public QWidget
{
    Q_OBJECT

public:
    explicit PrintWidget(AbstractHistory* history);
};

#endif
