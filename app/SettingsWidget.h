#ifndef SETTINGSWIDGET_H
#define SETTINGSWIDGET_H

#include <QWidget>

#include <memory>

class AbstractHistory;
class AbstractInventory;
class AbstractStudentList;
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

    /// Tells staff on the home page where the kiosk keeps its data.
    void setDataDescription(const QString& description);
    /// Warns on the home page, while \a passwordSet is false, that anyone can
    /// open these pages.
    void setPasswordSet(bool passwordSet);

private slots:
    void homeButtonClicked();
    void inventoryButtonClicked();
    void studentsButtonClicked();
    void printingButtonClicked();
    void usageButtonClicked();

private:
    InventoryWidget* inventoryWidget;
    StudentWidget* studentWidget;
    PrintWidget* printWidget;
    UsageWidget* usageWidget;
    std::unique_ptr<Ui::SettingsWidget> ui;
};

#endif
