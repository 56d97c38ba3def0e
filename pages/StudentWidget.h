#ifndef STUDENTWIDGET_H
#define STUDENTWIDGET_H

#include "stores/ImportPreview.h"

#include <QWidget>

#include <memory>
#include <optional>

class AbstractHistory;
class AbstractStudentList;
class Clock;
class StudentListModel;

namespace Ui {
class StudentWidget;
}

/// The administration page that imports the student list from a CSV file
/// (after showing what the import would do) and undoes the last import,
/// resets the passwords of the selected students, exports the history to a
/// CSV file and clears it.
class StudentWidget : public QWidget
{
    Q_OBJECT

public:
    StudentWidget(AbstractHistory* historyStore, AbstractStudentList* studentList, const Clock& clockSource);
    ~StudentWidget() override;

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void openStudentList();
    void undoImport();
    void resetPasswords();
    void exportHistory();
    void clearHistory();
    void updateUndoButton();

private:
    /// What importing \a fileName read in \a encoding (chosen by the reader when
    /// none) would do; nothing when the file could not be opened, which has been
    /// told, or the reading was stopped.
    std::optional<ImportPreview> readPreview(const QString& fileName, std::optional<StudentCsv::Encoding> encoding);

    std::unique_ptr<Ui::StudentWidget> ui;
    AbstractHistory* history;
    AbstractStudentList* students;
    const Clock& clock;
    std::unique_ptr<StudentListModel> model;
};

#endif
