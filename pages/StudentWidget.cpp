#include "pages/StudentWidget.h"
#include "ui_StudentWidget.h"

#include "models/StudentListModel.h"
#include "pages/ExportHistoryDialog.h"
#include "pages/StudentImportDialog.h"
#include "pages/dialogs.h"
#include "pages/languageChange.h"
#include "pages/sortMenu.h"
#include "stores/AbstractHistory.h"
#include "stores/AbstractStudentList.h"
#include "stores/ImportPreview.h"
#include "stores/fileAccess.h"
#include "stores/historyCsv.h"
#include "stores/studentCsv.h"

#include <QDir>
#include <QFileDialog>
#include <QSaveFile>

StudentWidget::StudentWidget(AbstractHistory* historyStore, AbstractStudentList* studentList, const Clock& clockSource)
    : ui(new Ui::StudentWidget)
    , history(historyStore)
    , students(studentList)
    , clock(clockSource)
    , model(new StudentListModel(studentList))
{
    ui->setupUi(this);
    offerSortMenus(this);
    connect(ui->openStudentListButton, &QPushButton::clicked, this, &StudentWidget::openStudentList);
    connect(ui->undoImportButton, &QPushButton::clicked, this, &StudentWidget::undoImport);
    connect(ui->resetPasswordButton, &QPushButton::clicked, this, &StudentWidget::resetPasswords);
    connect(ui->exportHistoryButton, &QPushButton::clicked, this, &StudentWidget::exportHistory);
    connect(ui->clearHistoryButton, &QPushButton::clicked, this, &StudentWidget::clearHistory);
    connect(students, &AbstractStudentList::modified, this, &StudentWidget::updateUndoButton);
    ui->studentView->setModel(model.get());
    updateUndoButton();
}

StudentWidget::~StudentWidget() = default;

void StudentWidget::openStudentList()
{
    const QString fileName = QFileDialog::getOpenFileName(this, QString(), QString(), tr("Csv Files (*.csv)"));
    if (fileName.isNull())
        return;

    std::optional<ImportPreview> read = readPreview(fileName, std::nullopt);
    if (!read)
        return;
    StudentImportDialog dialog(
        std::move(*read), fileName, [&](StudentCsv::Encoding encoding) { return readPreview(fileName, encoding); },
        this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const ImportPreview& preview = dialog.preview();
    if (preview.studentCount() == 0
        && !askYesNo(this,
            tr("The file holds no student: importing it empties the student list. Import it all the same?"),
            Answer::No))
        return;
    // The list in memory is replaced even when it could not be saved; the
    // administrator has to know that it may be lost at the next start.
    if (!students->importStudents(preview.students(dialog.keepPasswords())))
        showInformation(tr("The student list could not be saved."));
}

std::optional<ImportPreview> StudentWidget::readPreview(
    const QString& fileName, std::optional<StudentCsv::Encoding> encoding)
{
    auto [opened, csv] = withFile(fileName, QIODevice::ReadOnly, [&](QFile& file) {
        StudentCsv read;
        withProgress(this, tr("Reading the student list..."),
            [&](const Progress& progress) { read = readStudentCsv(file, encoding, progress); });
        return read;
    });
    if (!opened) {
        showError(this, tr("Error reading file."));
        return std::nullopt;
    }
    if (csv.cancelled)
        return std::nullopt;

    QList<Student> current;
    for (int i = 0; i < students->count(); ++i)
        current.append(students->at(i));
    return ImportPreview(std::move(csv), std::move(current));
}

void StudentWidget::undoImport()
{
    if (!askYesNo(this,
            tr("Are you sure you want to put back the student list as it was before the last import? "
               "Passwords registered since then are lost."),
            Answer::No))
        return;
    if (!students->undoImport())
        showInformation(tr("The student list before the last import could not be put back."));
}

void StudentWidget::resetPasswords()
{
    // One index per selected cell: a student may come several times.
    QStringList ids;
    for (const QModelIndex& index : ui->studentView->selectionModel()->selectedIndexes())
        ids.append(model->student(index).id());
    ids.removeDuplicates();
    if (ids.isEmpty()) {
        showInformation(tr("No student is selected."));
        return;
    }
    if (askYesNo(this, tr("Are you sure you want to reset the passwords for the selected students?"), Answer::No)
        && !students->clearPasswords(ids))
        showInformation(tr("The passwords could not be reset."));
}

void StudentWidget::exportHistory()
{
    ExportHistoryDialog dialog(history, clock, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString fileName = QFileDialog::getSaveFileName(this, QString(), QString(), tr("Csv Files (*.csv)"));
    if (fileName.isNull())
        return;

    // Nothing reaches the file's name before every row is written.
    QSaveFile file(fileName);
    HistoryCsvResult result = HistoryCsvResult::DeviceFailed;
    if (file.open(QIODevice::WriteOnly)) {
        withProgress(this, tr("Exporting the history..."),
            [&](const Progress& progress) { result = writeHistoryCsv(file, *history, dialog.query(), progress); });
    }
    const QString shownName = QDir::toNativeSeparators(fileName);
    if (result == HistoryCsvResult::Written && file.commit())
        showInformation(tr("The history was exported to %1.").arg(shownName));
    else if (result == HistoryCsvResult::HistoryUnreadable)
        showError(this, tr("The history could not be read; nothing was exported."));
    else if (result != HistoryCsvResult::Cancelled)
        showError(this, tr("%1 could not be written: %2").arg(shownName, file.errorString()));
}

void StudentWidget::clearHistory()
{
    if (askYesNo(this, tr("Are you sure you want to clear all history?"), Answer::No) && !history->clear())
        showInformation(tr("The history could not be cleared."));
}

void StudentWidget::updateUndoButton()
{
    const AbstractStudentList::KeptList kept = students->keptList();
    ui->undoImportButton->setEnabled(kept == AbstractStudentList::KeptList::Readable);
    // A button greyed out for good needs a reason, or staff take it for a fault.
    ui->undoNoteLabel->setText(kept == AbstractStudentList::KeptList::Unreadable
            ? tr("The list kept before the last import is damaged: the import cannot be undone.")
            : QString());
    ui->undoNoteLabel->setVisible(!ui->undoNoteLabel->text().isEmpty());
}

void StudentWidget::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        sortViewsAgain(this);
        updateUndoButton();
    }
}
