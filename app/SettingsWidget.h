#ifndef SETTINGSWIDGET_H
#define SETTINGSWIDGET_H

#include <QWidget>

#include <functional>
#include <memory>

class AbstractHistory;
class AbstractInventory;
class AbstractStudentList;
class BackupWidget;
class Backups;
class Clock;
class InventoryWidget;
class PrintWidget;
class StudentWidget;
class UsageWidget;

namespace Ui {
class SettingsWidget;
}

/// The administration area: a home page leading to the inventory, students,
/// printing and usage pages, and a "Settings Home" button leading back.
class SettingsWidget : public QWidget
{
    Q_OBJECT

public:
    SettingsWidget(
        AbstractInventory* inventory, AbstractHistory* history, AbstractStudentList* students, const Clock& clock);
    ~SettingsWidget() override;

    /// Tells staff on the home page where the kiosk keeps its data, in words
    /// that \a describe gives in the language of the moment.
    void setDataDescription(const std::function<QString()>& describe);
    /// Shows on the home page how the backups go; none where the database server makes them.
    void setBackups(Backups* backups);
    /// Warns on the home page, while \a passwordSet is false, that anyone can
    /// open these pages.
    void setPasswordSet(bool passwordSet);

signals:
    /// Staff chose \a language: a code of Translations::languages(), or empty for the system's.
    void languageChosen(const QString& language);

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void homeButtonClicked();
    void inventoryButtonClicked();
    void studentsButtonClicked();
    void printingButtonClicked();
    void usageButtonClicked();

private:
    void showNotes();

    std::function<QString()> describeData;
    bool passwordSet = true;
    InventoryWidget* inventoryWidget;
    StudentWidget* studentWidget;
    PrintWidget* printWidget;
    UsageWidget* usageWidget;
    BackupWidget* backupWidget = nullptr;
    std::unique_ptr<Ui::SettingsWidget> ui;
};

#endif
