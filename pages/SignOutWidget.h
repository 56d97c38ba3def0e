#ifndef SIGNOUTWIDGET_H
#define SIGNOUTWIDGET_H

#include <QDate>
#include <QWidget>

#include <memory>

class AbstractHistory;
class AbstractInventory;
class AbstractVerifier;
class HistoryModel;
class InventoryModel;
class QTimer;

namespace Ui {
class SignOutWidget;
}

/// The kiosk's default page: a student signs out an instrument with ID and
/// password; below, the log of today's sign-outs, latest first.
class SignOutWidget : public QWidget
{
    Q_OBJECT

public:
    SignOutWidget(AbstractInventory* inventory, AbstractHistory* history, AbstractVerifier* verifier);
    ~SignOutWidget() override;

public slots:
    void signOutItem();

protected:
    /// The local date whose sign-outs the log shows; a seam for tests that cross midnight.
    virtual QDate today() const;

private:
    bool validateInput();
    void followToday();
    void armMidnightTimer();

    std::unique_ptr<Ui::SignOutWidget> ui;
    AbstractHistory* history;
    AbstractVerifier* verifier;
    std::unique_ptr<InventoryModel> inventoryModel;
    std::unique_ptr<HistoryModel> historyModel;
    QDate logDate;
    QTimer* midnightTimer;
};

#endif
