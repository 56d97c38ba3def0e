#ifndef STUDENTIMPORTDIALOG_H
#define STUDENTIMPORTDIALOG_H

#include <QDialog>

#include <memory>

class ImportPreview;

namespace Ui {
class StudentImportDialog;
}

/// Shows what importing a student CSV file would do, before anything changes:
/// the counts, the lines to check and the first students as they will be
/// imported. "Import" accepts it, "Cancel" (the default) leaves everything.
class StudentImportDialog : public QDialog
{
    Q_OBJECT

public:
    StudentImportDialog(const ImportPreview& preview, const QString& fileName, QWidget* parent);
    ~StudentImportDialog() override;

    /// Whether students whose ID and name stay keep their registered password.
    bool keepPasswords() const;

private slots:
    void keepPasswordsToggled();

private:
    void showProblems();
    void showFirstRows();

    std::unique_ptr<Ui::StudentImportDialog> ui;
    const ImportPreview& preview;
};

#endif
