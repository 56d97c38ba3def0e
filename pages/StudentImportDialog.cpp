#include "pages/StudentImportDialog.h"
#include "ui_StudentImportDialog.h"

#include "stores/ImportPreview.h"

#include <QDir>
#include <QPushButton>

// Enough to see what is wrong with a file; a wrong file may have thousands.
constexpr int ShownProblems = 500;
constexpr int ShownRows = 10;

static QString joinedLines(const QList<int>& lines)
{
    QStringList texts;
    for (int line : lines)
        texts.append(QString::number(line));
    return texts.join(QLatin1String(", "));
}

StudentImportDialog::StudentImportDialog(const ImportPreview& preview, const QString& fileName, QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::StudentImportDialog)
    , preview(preview)
{
    ui->setupUi(this);
    ui->buttonBox->addButton(tr("Import"), QDialogButtonBox::AcceptRole);
    // Enter on anything but "Import" itself changes nothing.
    ui->buttonBox->button(QDialogButtonBox::Cancel)->setDefault(true);

    ui->fileValue->setText(QDir::toNativeSeparators(fileName));
    switch (preview.csv().decoding) {
    case StudentCsv::ByteOrderMark:
        ui->decodingValue->setText(tr("Unicode, as the file's byte-order mark says"));
        break;
    case StudentCsv::Utf8:
        ui->decodingValue->setText(tr("UTF-8"));
        break;
    case StudentCsv::Fallback:
        ui->decodingValue->setText(tr("the system's encoding (the file is not UTF-8)"));
        break;
    }
    ui->studentCountValue->setText(QLocale().toString(preview.studentCount()));
    ui->removedCountValue->setText(QLocale().toString(preview.removedCount()));
    ui->keepPasswordsBox->setText(
        tr("Keep the registered passwords of the students whose ID and name stay the same (%L1)")
            .arg(preview.keepablePasswordCount()));
    ui->keepPasswordsBox->setEnabled(preview.keepablePasswordCount() > 0);
    connect(ui->keepPasswordsBox, &QCheckBox::toggled, this, &StudentImportDialog::keepPasswordsToggled);
    keepPasswordsToggled();
    showProblems();
    showFirstRows();
}

StudentImportDialog::~StudentImportDialog() = default;

bool StudentImportDialog::keepPasswords() const
{
    return ui->keepPasswordsBox->isChecked();
}

void StudentImportDialog::keepPasswordsToggled()
{
    ui->clearedCountValue->setText(QLocale().toString(preview.clearedPasswordCount(keepPasswords())));
}

void StudentImportDialog::showProblems()
{
    const StudentCsv& csv = preview.csv();
    QStringList problems;
    for (const StudentCsv::SkippedLine& skipped : csv.skippedLines) {
        problems.append(skipped.reason == StudentCsv::TooFewFields
                ? tr("Line %1 is skipped: it has fewer than three fields.").arg(skipped.line)
                : tr("Line %1 is skipped: its ID is empty.").arg(skipped.line));
    }
    const QMap<QString, QList<int>> repeated = csv.repeatedIds();
    for (auto it = repeated.cbegin(); it != repeated.cend(); ++it)
        problems.append(tr("ID %1 is on lines %2: the last of them counts.").arg(it.key(), joinedLines(it.value())));
    for (int line : csv.unreadableLines)
        problems.append(tr("Line %1 holds bytes that this encoding cannot read (shown as \uFFFD).").arg(line));

    ui->problemGroup->setVisible(!problems.isEmpty());
    if (problems.size() > ShownProblems) {
        const qsizetype more = problems.size() - ShownProblems;
        problems.resize(ShownProblems);
        problems.append(tr("... and %L1 more.").arg(more));
    }
    ui->problemView->setPlainText(problems.join(QLatin1Char('\n')));
}

void StudentImportDialog::showFirstRows()
{
    const StudentCsv& csv = preview.csv();
    for (qsizetype i = 0; i < std::min<qsizetype>(ShownRows, csv.students.size()); ++i) {
        const Student& student = csv.students.at(i);
        ui->rowView->addTopLevelItem(
            new QTreeWidgetItem({ QString::number(csv.studentLines.at(i)), student.id(), student.name() }));
    }
    ui->rowView->resizeColumnToContents(0);
    ui->rowView->resizeColumnToContents(1);
    ui->rowGroup->setVisible(!csv.students.isEmpty());
}
