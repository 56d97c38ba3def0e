#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include <QMainWindow>

class AbstractHistory;
class AbstractInventory;
class AbstractStudentList;
class AbstractVerifier;

// Placeholder until the main window is built.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow(AbstractInventory* inventory, AbstractHistory* history, AbstractStudentList* students,
               AbstractVerifier* verifier);
};

#endif
