#include "pages/UsageWidget.h"

#include "support/DialogAnswerer.h"
#include "support/FakeClock.h"
#include "support/FakeHistory.h"
#include "support/FakeInventory.h"
#include "support/TestWorkspace.h"
#include "support/namedChild.h"
#include "support/runTool.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QDateEdit>
#include <QLineSeries>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

#include <memory>
#include <numeric>

class tst_UsageWidget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void chartsDrawTheTablesNumbers_data();
    void chartsDrawTheTablesNumbers();
    void tabHiddenDuringAChangeIsReadAgain();
    void redrawnChartFreesTheOld();
    void printHoldsTheTables();
    void failedReadShowsNoRows_data();
    void failedReadShowsNoRows();

private:
    QList<double> column(const QString& view, int column);

    std::unique_ptr<TestWorkspace> workspace;
    std::unique_ptr<FakeClock> clock;
    std::unique_ptr<FakeHistory> history;
    FakeInventory inventory;
    std::unique_ptr<UsageWidget> page;
};

void tst_UsageWidget::init()
{
    workspace = std::make_unique<TestWorkspace>();
    clock = std::make_unique<FakeClock>(QDateTime(QDate(2026, 12, 7), QTime(10, 0)));
    history = std::make_unique<FakeHistory>(*clock);
    inventory.held = { Item("Tuba", 1), Item("Tuba", 2), Item("Oboe", 1), Item("Harp", 3) };
    for (int day = 0; day < 30; ++day)
        history->stored.append(Entry(QDateTime(QDate(2026, 11, 1).addDays(day), QTime(8 + day % 5, 0)),
            Student("Ada", QString::number(day % 3), {}), Item(day % 3 ? "Tuba" : "Oboe", 1 + day % 2)));
    page = std::make_unique<UsageWidget>(history.get(), &inventory, *clock);
    page->show();
}

QList<double> tst_UsageWidget::column(const QString& view, int column)
{
    const QAbstractItemModel* model = namedChild<QTreeView>(page.get(), view)->model();
    QList<double> values;
    for (int row = 0; row < model->rowCount(); ++row)
        values.append(model->index(row, column).data().toDouble());
    return values;
}

void tst_UsageWidget::chartsDrawTheTablesNumbers_data()
{
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QString>("chart");
    QTest::addColumn<QString>("view");
    QTest::addColumn<int>("series");
    QTest::addColumn<int>("column");
    QTest::newRow("sign-outs per instrument") << "instrumentTab"
                                              << "instrumentChart"
                                              << "instrumentView" << 0 << 2;
    QTest::newRow("all sign-outs per week") << "weekTab"
                                            << "weekChart"
                                            << "weekView" << 0 << 1;
    QTest::newRow("the busiest instrument per week") << "weekTab"
                                                     << "weekChart"
                                                     << "weekView" << 1 << 2;
    QTest::newRow("the next instrument per week") << "weekTab"
                                                  << "weekChart"
                                                  << "weekView" << 2 << 3;
}

void tst_UsageWidget::chartsDrawTheTablesNumbers()
{
    QFETCH(QString, tab);
    QFETCH(QString, chart);
    QFETCH(QString, view);
    QFETCH(int, series);
    QFETCH(int, column);
    namedChild<QTabWidget>(page.get(), "usageTabs")->setCurrentWidget(namedChild<QWidget>(page.get(), tab));
    const QList<QAbstractSeries*> drawn = namedChild<QChartView>(page.get(), chart)->chart()->series();
    QList<double> values;
    if (auto* bars = qobject_cast<QBarSeries*>(drawn.value(series))) {
        for (int i = 0; i < bars->barSets().first()->count(); ++i)
            values.append(bars->barSets().first()->at(i));
    } else if (auto* line = qobject_cast<QLineSeries*>(drawn.value(series))) {
        for (const QPointF& point : line->points())
            values.append(point.y());
    }
    QVERIFY(!values.isEmpty());
    QCOMPARE(values, this->column(view, column));
}

// Only the tab shown is read; one read before a change of range and hidden
// during it shows the new range once shown again, not its old numbers.
void tst_UsageWidget::tabHiddenDuringAChangeIsReadAgain()
{
    auto* tabs = namedChild<QTabWidget>(page.get(), "usageTabs");
    const auto sum = [](const QList<double>& values) { return std::accumulate(values.cbegin(), values.cend(), 0.0); };
    tabs->setCurrentWidget(namedChild<QWidget>(page.get(), "weekTab"));
    QCOMPARE(sum(column("weekView", 1)), 30.0);
    tabs->setCurrentWidget(namedChild<QWidget>(page.get(), "instrumentTab"));
    namedChild<QDateEdit>(page.get(), "usageFromDate")->setDate(QDate(2026, 11, 21));
    QCOMPARE(sum(column("instrumentView", 2)), 10.0);
    tabs->setCurrentWidget(namedChild<QWidget>(page.get(), "weekTab"));
    QCOMPARE(sum(column("weekView", 1)), 10.0);
}

// Every change redraws the chart shown; the one it replaces must go, or a
// page left open grows with each sign-out.
void tst_UsageWidget::redrawnChartFreesTheOld()
{
    const QPointer<QChart> old = namedChild<QChartView>(page.get(), "instrumentChart")->chart();
    namedChild<QDateEdit>(page.get(), "usageFromDate")->setDate(QDate(2026, 11, 21));
    QVERIFY(old.isNull());
}

void tst_UsageWidget::printHoldsTheTables()
{
    const QString pdf = workspace->filePath("usage.pdf");
    DialogAnswerer answerer;
    answerer.printToPdf(pdf);
    namedChild<QPushButton>(page.get(), "usagePrintButton")->click();
    QCOMPARE(answerer.pending(), 0);
    const QString text = runTool("pdftotext", { "-layout", pdf, "-" }).simplified();
    for (const char* expected : { "By instrument", "Tuba 2 20", "Oboe 1 10", "Harp 1 0", "Harp #3 never", "Idle copies",
             "Students per instrument" })
        QVERIFY2(text.contains(expected), qPrintable(QString(expected) + " missing from:\n" + text));
}

void tst_UsageWidget::failedReadShowsNoRows_data()
{
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QString>("view");
    QTest::newRow("every copy shown as never signed out") << "instrumentTab"
                                                          << "instrumentView";
    QTest::newRow("every copy shown as idle") << "idleTab"
                                              << "idleView";
    QTest::newRow("a week of hours shown as quiet") << "hourTab"
                                                    << "hourView";
}

// A read the database refused or cut off (its time limit) is said, not shown
// as sums of nothing, and is tried again when the tab is shown again.
void tst_UsageWidget::failedReadShowsNoRows()
{
    QFETCH(QString, tab);
    QFETCH(QString, view);
    auto* tabs = namedChild<QTabWidget>(page.get(), "usageTabs");
    tabs->setCurrentWidget(namedChild<QWidget>(page.get(), "weekTab"));
    history->reading = false;
    namedChild<QDateEdit>(page.get(), "usageFromDate")->setDate(QDate(2026, 11, 2));
    tabs->setCurrentWidget(namedChild<QWidget>(page.get(), tab));
    QVERIFY(namedChild<QWidget>(page.get(), "problemLabel")->isVisible());
    QCOMPARE(column(view, 0).size(), 0);
    history->reading = true;
    tabs->setCurrentWidget(namedChild<QWidget>(page.get(), "weekTab"));
    tabs->setCurrentWidget(namedChild<QWidget>(page.get(), tab));
    QVERIFY(!namedChild<QWidget>(page.get(), "problemLabel")->isVisible());
    QVERIFY(column(view, 0).size() > 0);
}

QTEST_MAIN(tst_UsageWidget)
#include "tst_UsageWidget.moc"
