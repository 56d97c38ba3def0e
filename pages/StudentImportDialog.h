#ifndef STUDENTIMPORTDIALOG_H
#define STUDENTIMPORTDIALOG_H

#include "stores/ImportPreview.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>

namespace Ui {
class StudentImportDialog;
}

/// Shows what importing a student CSV file would do, before anything changes:
/// the encoding it was read in (another can be chosen, and the file is read
/// again), the counts, the lines to check and the first students as they will
/// be imported. "Import" accepts it, "Cancel" (the default) leaves everything.
class StudentImportDialog : public QDialog
{
    Q_OBJECT

public:
    /// Reads the file again in an encoding; nothing when it cannot be read.
    using Reader = std::function<std::optional<ImportPreview>(StudentCsv::Encoding)>;

    StudentImportDialog(ImportPreview preview, const QString& fileName, Reader readFile, QWidget* parent);
    ~StudentImportDialog() override;

    /// The file as last read, in the encoding shown.
    const ImportPreview& preview() const { return current; }
    /// Whether students whose ID and name stay keep their registered password.
    bool keepPasswords() const;

private slots:
    void encodingChosen();
    void keepPasswordsToggled();

private:
    void showPreview();
    void showDecoding();
    void showProblems();
    void showFirstRows();

    std::unique_ptr<Ui::StudentImportDialog> ui;
    ImportPreview current;
    Reader reader;
};

#endif
