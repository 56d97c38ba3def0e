#ifndef SIGNOUTWIDGET_H
#define SIGNOUTWIDGET_H

#include <QDate>
#include <QWidget>

#include <chrono>
#include <memory>

class AbstractHistory;
class AbstractInventory;
class AbstractStudentList;
class AbstractVerifier;
class Clock;
class HistoryModel;
class IdleWatcher;
class InventoryModel;
class Item;
class ItemAvailabilityModel;
class QTimer;
class ScanFilter;

namespace Ui {
class SignOutWidget;
}

/// The kiosk's default page: a student signs out an instrument with ID and
/// password, typed or scanned from a card, and the instrument chosen or its
/// label scanned; below, the log of today's sign-outs, latest first.
class SignOutWidget : public QWidget
{
    Q_OBJECT

public:
    /// \a students tells which scanned texts are student cards.
    SignOutWidget(AbstractInventory* inventory, AbstractHistory* historyStore, AbstractStudentList* students,
        AbstractVerifier* passwordVerifier, const Clock& clockSource);
    ~SignOutWidget() override;

    /// How long the page waits without keyboard or mouse input before it
    /// forgets a half-typed ID and password; one minute unless a test shortens it.
    void setIdleInterval(std::chrono::milliseconds interval);

public slots:
    void signOutItem();

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool validateInput();
    void selectItem(const Item& item);
    void fillInId(const QString& id);
    void announce(const QString& notice);
    void fitPlaceholders();
    void followToday();
    void forgetStudent();

    std::unique_ptr<Ui::SignOutWidget> ui;
    AbstractHistory* history;
    AbstractVerifier* verifier;
    const Clock& clock;
    QDate logDate;
    std::unique_ptr<InventoryModel> inventoryModel;
    std::unique_ptr<ItemAvailabilityModel> itemModel;
    std::unique_ptr<HistoryModel> historyModel;
    QTimer* noticeTimer;
    ScanFilter* scanFilter;
    IdleWatcher* idleWatcher;
    bool signingOut = false;
};

#endif
