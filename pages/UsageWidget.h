#ifndef USAGEWIDGET_H
#define USAGEWIDGET_H

#include "models/UsageTable.h"

#include <QDate>
#include <QWidget>

#include <memory>

class AbstractHistory;
class AbstractInventory;
class Clock;
class QChart;
class QChartView;
class QTextDocument;
class UsageTableModel;

namespace Ui {
class UsageWidget;
}

/// What the instruments are used for over a range of days: per instrument,
/// per week, per weekday and hour, the idle copies and how many students
/// borrowed each; printed or exported. Opens on the last 120 days.
class UsageWidget : public QWidget
{
    Q_OBJECT

public:
    UsageWidget(AbstractHistory* historyStore, AbstractInventory* inventoryStore, const Clock& clockSource);
    ~UsageWidget() override;

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private slots:
    void filterChanged();
    void followToday();
    void printUsage();
    void exportUsage();
    void drawInstrumentChart();
    void drawWeekChart();

private:
    /// Reads the sums of \a parts (UsageQuery::Part) not read since the last
    /// change, and fills their tables and charts; false when they could not be read.
    bool read(int parts);
    void readShownTab();
    void translateTexts();
    /// The page as a document to print, its charts as images added to \a document.
    QString documentHtml(QTextDocument& document) const;
    /// The tables as the page shows them, each in its view's order.
    QList<const UsageTable*> shownTables() const;

    std::unique_ptr<Ui::UsageWidget> ui;
    AbstractHistory* history;
    AbstractInventory* inventory;
    const Clock& clock;
    QDate defaultTo;
    // Read when shown, not at every change: a hidden page costs a sign-out
    // nothing, and a hidden tab costs the tab shown nothing.
    int readParts = 0;
    std::unique_ptr<UsageTableModel> instrumentModel;
    std::unique_ptr<UsageTableModel> weekModel;
    std::unique_ptr<UsageTableModel> hourModel;
    std::unique_ptr<UsageTableModel> idleModel;
    std::unique_ptr<UsageTableModel> studentModel;
    QChartView* instrumentChart;
    QChartView* weekChart;
};

#endif
