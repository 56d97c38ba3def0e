#include "pages/StudentWidget.h"
#include "ui_StudentWidget.h"

#include "models/StudentListModel.h"
#include "pages/dialogs.h"
#include "stores/AbstractHistory.h"
#include "stores/AbstractStudentList.h"
#include "stores/fileAccess.h"
#include "stores/studentCsv.h"

#include <QFileDialog>

StudentWidget::StudentWidget(AbstractHistory* history, AbstractStudentList* students)
    : ui(new Ui::StudentWidget)
    , history(history)
    , students(students)
    , model(new StudentListModel(students))
{
    ui->setupUi(this);
    connect(ui->openStudentListButton, &QPushButton::clicked, this, &StudentWidget::openStudentList);
    connect(ui->resetPasswordButton, &QPushButton::clicked, this, &StudentWidget::resetPasswords);
    connect(ui->clearHistoryButton, &QPushButton::clicked, this, &StudentWidget::clearHistory);
    ui->studentView->setModel(model.get());
}

StudentWidget::~StudentWidget() = default;

void StudentWidget::openStudentList()
{
    const QString fileName = QFileDialog::getOpenFileName(this, QString(), QString(), tr("Csv Files (*.csv)"));
    if (fileName.isNull())
        return;

    const auto [opened, list] = withTextStream(fileName, QIODevice::ReadOnly, readStudentCsv);
    if (!opened) {
        showError(this, tr("Error reading file."));
        return;
    }
    // The list in memory is replaced even when it could not be saved; the
    // administrator has to know that it may be lost at the next start.
    if (!students->setStudents(list))
        showInformation(tr("The student list could not be saved."));
}

void StudentWidget::resetPasswords()
{
    if (!askYesNo(this, tr("Are you sure you want to reset the passwords for the selected students?")))
        return;

    // One index per selected cell: a student may come several times.
    QStringList ids;
    for (const QModelIndex& index : ui->studentView->selectionModel()->selectedIndexes())
        ids.append(model->student(index).id());
    ids.removeDuplicates();
    if (!ids.isEmpty() && !students->clearPasswords(ids))
        showInformation(tr("The passwords could not be reset."));
}

void StudentWidget::clearHistory()
{
    if (askYesNo(this, tr("Are you sure you want to clear all history?")) && !history->clear())
        showInformation(tr("The history could not be cleared."));
}
