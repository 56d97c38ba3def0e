#ifndef STUDENTWIDGET_H
#define STUDENTWIDGET_H

#include <QWidget>

#include <memory>

class AbstractHistory;
class AbstractStudentList;
class StudentListModel;

namespace Ui {
class StudentWidget;
}

/// The administration page that imports the student list from a CSV file
/// (after showing what the import would do) and undoes the last import,
/// resets the passwords of the selected students and clears the history.
class StudentWidget : public QWidget
{
    Q_OBJECT

public:
    StudentWidget(AbstractHistory* history, AbstractStudentList* students);
    ~StudentWidget() override;

private slots:
    void openStudentList();
    void undoImport();
    void resetPasswords();
    void clearHistory();
    void updateUndoButton();

private:
    std::unique_ptr<Ui::StudentWidget> ui;
    AbstractHistory* history;
    AbstractStudentList* students;
    std::unique_ptr<StudentListModel> model;
};

#endif
