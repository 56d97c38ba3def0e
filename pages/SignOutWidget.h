#ifndef SIGNOUTWIDGET_H
#define SIGNOUTWIDGET_H

#include <QWidget>

class AbstractHistory;
class AbstractInventory;
class AbstractStudentList;
class AbstractVerifier;

// Placeholder until the page is built.
class SignOutWidget : public QWidget
{
    Q_OBJECT

public:
    SignOutWidget(AbstractInventory* inventory, AbstractHistory* history, AbstractVerifier* verifier);
};

#endif
