#include "pages/StudentImportDialog.h"
#include "ui_StudentImportDialog.h"

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

StudentImportDialog::StudentImportDialog(
    ImportPreview preview, const QString& fileName, Reader readFile, QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::StudentImportDialog)
    , current(std::move(preview))
    , reader(std::move(readFile))
{
    ui->setupUi(this);
    ui->buttonBox->addButton(tr("Import"), QDialogButtonBox::AcceptRole);
    // Enter on anything but "Import" itself changes nothing.
    ui->buttonBox->button(QDialogButtonBox::Cancel)->setDefault(true);

    ui->fileValue->setText(QDir::toNativeSeparators(fileName));
    for (int encoding = 0; encoding < StudentCsv::EncodingCount; ++encoding)
        ui->encodingBox->addItem(StudentCsv::encodingName(StudentCsv::Encoding(encoding)), encoding);
    connect(ui->encodingBox, &QComboBox::activated, this, &StudentImportDialog::encodingChosen);
    connect(ui->keepPasswordsBox, &QCheckBox::toggled, this, &StudentImportDialog::keepPasswordsToggled);
    showPreview();
}

StudentImportDialog::~StudentImportDialog() = default;

bool StudentImportDialog::keepPasswords() const
{
    return ui->keepPasswordsBox->isChecked();
}

void StudentImportDialog::encodingChosen()
{
    const auto encoding = StudentCsv::Encoding(ui->encodingBox->currentData().toInt());
    if (std::optional<ImportPreview> read = reader(encoding))
        current = std::move(*read);
    // When the file could not be read again, the list goes back to what is shown.
    showPreview();
}

void StudentImportDialog::keepPasswordsToggled()
{
    ui->clearedCountValue->setText(QLocale().toString(current.clearedPasswordCount(keepPasswords())));
}

void StudentImportDialog::showPreview()
{
    showDecoding();
    ui->studentCountValue->setText(QLocale().toString(current.studentCount()));
    ui->removedCountValue->setText(QLocale().toString(current.removedCount()));
    ui->keepPasswordsBox->setText(
        tr("Keep the registered passwords of the students whose ID and name stay the same (%L1)")
            .arg(current.keepablePasswordCount()));
    ui->keepPasswordsBox->setEnabled(current.keepablePasswordCount() > 0);
    keepPasswordsToggled();
    showProblems();
    showFirstRows();
}

void StudentImportDialog::showDecoding()
{
    ui->encodingBox->setCurrentIndex(ui->encodingBox->findData(int(current.csv().encoding)));
    switch (current.csv().decoding) {
    case StudentCsv::ByteOrderMark:
        ui->decodingValue->setText(tr("as the file's byte-order mark says"));
        break;
    case StudentCsv::ValidUtf8:
        ui->decodingValue->setText(tr("the file is valid UTF-8"));
        break;
    case StudentCsv::NulPattern:
        ui->decodingValue->setText(tr("NUL bytes in every other place: UTF-16 without a byte-order mark"));
        break;
    case StudentCsv::NotUtf8:
        ui->decodingValue->setText(tr("the file is not UTF-8: read as Windows-1252, as spreadsheets on Windows "
                                      "save it; check the names below, or choose another encoding"));
        break;
    case StudentCsv::Chosen:
        ui->decodingValue->setText(tr("as chosen"));
        break;
    }
}

void StudentImportDialog::showProblems()
{
    const StudentCsv& csv = current.csv();
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
        problems.append(tr("... and %Ln more.", nullptr, int(more)));
    }
    ui->problemView->setPlainText(problems.join(QLatin1Char('\n')));
}

void StudentImportDialog::showFirstRows()
{
    const StudentCsv& csv = current.csv();
    ui->rowView->clear();
    for (qsizetype i = 0; i < std::min<qsizetype>(ShownRows, csv.students.size()); ++i) {
        const Student& student = csv.students.at(i);
        ui->rowView->addTopLevelItem(
            new QTreeWidgetItem({ QString::number(csv.studentLines.at(i)), student.id(), student.name() }));
    }
    ui->rowView->resizeColumnToContents(0);
    ui->rowView->resizeColumnToContents(1);
    ui->rowGroup->setVisible(!csv.students.isEmpty());
}
