#include "pages/UsageWidget.h"

#include "ui_UsageWidget.h"

#include "models/UsageTableModel.h"
#include "models/usageCsv.h"
#include "models/usageTables.h"
#include "pages/dateRange.h"
#include "pages/dialogs.h"
#include "pages/searchWords.h"
#include "pages/sortMenu.h"
#include "stores/AbstractHistory.h"
#include "stores/AbstractInventory.h"
#include "stores/Clock.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineSeries>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QTextDocument>
#include <QTreeView>
#include <QValueAxis>

// A term, about.
static constexpr int DefaultDays = 120;
// About a year of weeks, side by side on a kiosk's screen.
static constexpr int MostLabels = 60;
// Rows whose texts a column is made to fit.
static constexpr int FittedRows = 64;

static QChartView* makeChartView(QLayout* layout, const QString& name)
{
    auto* view = new QChartView;
    view->setObjectName(name);
    view->setMinimumHeight(120);
    view->setRenderHint(QPainter::Antialiasing, false);
    // A picture of the table beneath it, which a screen reader reads instead.
    view->setFocusPolicy(Qt::NoFocus);
    view->viewport()->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(view);
    return view;
}

UsageWidget::UsageWidget(AbstractHistory* historyStore, AbstractInventory* inventoryStore, const Clock& clockSource)
    : ui(new Ui::UsageWidget)
    , history(historyStore)
    , inventory(inventoryStore)
    , clock(clockSource)
    , defaultTo(clock.today())
    , instrumentModel(new UsageTableModel)
    , weekModel(new UsageTableModel)
    , hourModel(new UsageTableModel)
    , idleModel(new UsageTableModel)
    , studentModel(new UsageTableModel)
{
    ui->setupUi(this);
    offerSortMenus(this);
    instrumentChart = makeChartView(ui->instrumentChartLayout, QStringLiteral("instrumentChart"));
    weekChart = makeChartView(ui->weekChartLayout, QStringLiteral("weekChart"));
    ui->instrumentTabLayout->setStretch(0, 3);
    ui->instrumentTabLayout->setStretch(1, 2);
    ui->weekTabLayout->setStretch(0, 3);
    ui->weekTabLayout->setStretch(1, 2);
    translateTexts();
    ui->instrumentView->setModel(instrumentModel.get());
    ui->weekView->setModel(weekModel.get());
    ui->hourView->setModel(hourModel.get());
    ui->idleView->setModel(idleModel.get());
    ui->borrowerView->setModel(studentModel.get());
    for (QTreeView* view : { ui->instrumentView, ui->weekView, ui->hourView, ui->idleView, ui->borrowerView }) {
        view->sortByColumn(0, Qt::AscendingOrder);
        // Columns fit the rows around those shown, not every one of years of weeks.
        view->header()->setResizeContentsPrecision(FittedRows);
    }
    // A chart shows its table's rows in the order the table shows them.
    connect(instrumentModel.get(), &QAbstractItemModel::layoutChanged, this, &UsageWidget::drawInstrumentChart);
    connect(weekModel.get(), &QAbstractItemModel::layoutChanged, this, &UsageWidget::drawWeekChart);
    ui->problemLabel->hide();

    ui->usageFromDate->setDate(defaultTo.addDays(1 - DefaultDays));
    ui->usageToDate->setDate(defaultTo);
    connect(ui->usageFromDate, &QDateEdit::dateChanged, this, &UsageWidget::filterChanged);
    connect(ui->usageToDate, &QDateEdit::dateChanged, this, &UsageWidget::filterChanged);
    connect(ui->usageStudentBox, &QLineEdit::textChanged, this, &UsageWidget::filterChanged);
    connect(ui->usageItemBox, &QLineEdit::textChanged, this, &UsageWidget::filterChanged);
    connect(ui->idleWeeksBox, &QSpinBox::valueChanged, this, &UsageWidget::filterChanged);
    connect(ui->usageFromDate, &QDateEdit::dateChanged, this,
        [this] { keepRangeInOrder(ui->usageFromDate, ui->usageFromDate, ui->usageToDate); });
    connect(ui->usageToDate, &QDateEdit::dateChanged, this,
        [this] { keepRangeInOrder(ui->usageToDate, ui->usageFromDate, ui->usageToDate); });
    connect(ui->usagePrintButton, &QPushButton::clicked, this, &UsageWidget::printUsage);
    connect(ui->usageExportButton, &QPushButton::clicked, this, &UsageWidget::exportUsage);
    connect(ui->usageTabs, &QTabWidget::currentChanged, this, [this] {
        if (isVisible())
            readShownTab();
    });
    // Sign-outs happen while the settings are closed: then a change only marks
    // the page to be read again when it is next shown.
    connect(history, &AbstractHistory::modified, this, &UsageWidget::filterChanged);
    connect(inventory, &AbstractInventory::modified, this, &UsageWidget::filterChanged);
    connect(&clock, &Clock::dayChanged, this, &UsageWidget::followToday);
}

UsageWidget::~UsageWidget() = default;

void UsageWidget::translateTexts()
{
    // A chart is a picture to a screen reader: its numbers are in the table below it.
    instrumentChart->setAccessibleName(tr("Chart of the sign-outs per instrument; the table below holds its numbers"));
    weekChart->setAccessibleName(tr("Chart of the sign-outs per week; the table below holds its numbers"));
    ui->problemLabel->setText(tr("The history could not be read; the page shows nothing."));
}

// The tables and charts are written in the language they were read in: they
// are read again.
void UsageWidget::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    ui->retranslateUi(this);
    translateTexts();
    filterChanged();
}

void UsageWidget::showEvent(QShowEvent* event)
{
    readShownTab();
    QWidget::showEvent(event);
}

void UsageWidget::filterChanged()
{
    readParts = 0;
    ui->problemLabel->hide();
    if (isVisible())
        readShownTab();
}

// The opening range moves on with the calendar; a range somebody chose stays.
void UsageWidget::followToday()
{
    const bool onDefault
        = ui->usageToDate->date() == defaultTo && ui->usageFromDate->date() == defaultTo.addDays(1 - DefaultDays);
    defaultTo = clock.today();
    if (!onDefault)
        return filterChanged();
    ui->usageToDate->setDate(defaultTo);
    ui->usageFromDate->setDate(defaultTo.addDays(1 - DefaultDays));
}

void UsageWidget::readShownTab()
{
    const QWidget* tab = ui->usageTabs->currentWidget();
    read(tab == ui->instrumentTab ? UsageQuery::PerInstrument
            : tab == ui->weekTab  ? UsageQuery::PerWeek
            : tab == ui->hourTab  ? UsageQuery::PerHour
            : tab == ui->idleTab  ? UsageQuery::LastSignOuts
                                  : UsageQuery::Students);
}

static void fitColumns(QTreeView* view)
{
    view->header()->resizeSections(QHeaderView::ResizeToContents);
}

bool UsageWidget::read(int parts)
{
    UsageQuery query { ui->usageFromDate->date(), ui->usageToDate->date(), searchWords(ui->usageStudentBox->text()),
        searchWords(ui->usageItemBox->text()) };
    query.parts = parts & ~readParts;
    if (!query.parts)
        return true;
    const Usage found = history->usage(query);
    // A read that failed, or outlasted the database's time limit, shows no
    // rows and is read again when next shown: its empty sums would read as
    // copies never signed out.
    ui->problemLabel->setVisible(!found.ok);
    if (found.ok)
        readParts |= query.parts;
    const auto shown = [&found](UsageTable table) {
        if (!found.ok)
            table.rows.clear();
        return table;
    };
    if (query.parts & UsageQuery::PerInstrument) {
        instrumentModel->setTable(shown(instrumentTable(found, inventory->items())));
        fitColumns(ui->instrumentView);
        drawInstrumentChart();
    }
    if (query.parts & UsageQuery::PerWeek) {
        weekModel->setTable(shown(weekTable(found)));
        fitColumns(ui->weekView);
        drawWeekChart();
    }
    if (query.parts & UsageQuery::PerHour) {
        hourModel->setTable(shown(hourTable(found)));
        fitColumns(ui->hourView);
    }
    if (query.parts & UsageQuery::LastSignOuts) {
        idleModel->setTable(shown(idleTable(found, inventory->items(), clock.today(), ui->idleWeeksBox->value())));
        fitColumns(ui->idleView);
    }
    if (query.parts & UsageQuery::Students) {
        studentModel->setTable(shown(studentTable(found)));
        fitColumns(ui->borrowerView);
    }
    return found.ok;
}

static QChart* chartInPalette(const QPalette& palette, const QString& title)
{
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->setBackgroundBrush(palette.base());
    chart->setTitleBrush(palette.text());
    chart->legend()->setLabelColor(palette.color(QPalette::Text));
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

// The axis along the bars. A long range's weeks, more than fit side by
// side, show their first and last only (the table below lists them all): on
// an axis of the bars' places, since a category axis lays out every label,
// shown or not, as a text document of its own (years of weeks took longer
// than reading them).
static QAbstractAxis* placeAxis(const QPalette& palette, const QStringList& categories)
{
    if (categories.size() > MostLabels) {
        auto* places = new QValueAxis;
        places->setRange(-0.5, double(categories.size()) - 0.5);
        places->setLabelsVisible(false);
        places->setGridLineVisible(false);
        places->setTickCount(2);
        places->setTruncateLabels(false);
        places->setTitleText(QStringLiteral("%1 – %2").arg(categories.first(), categories.last()));
        places->setTitleBrush(palette.text());
        return places;
    }
    auto* categoryAxis = new QBarCategoryAxis;
    categoryAxis->append(categories);
    categoryAxis->setLabelsAngle(categories.size() > 12 ? -90 : 0);
    // Shortening a label measures it again and again.
    categoryAxis->setTruncateLabels(false);
    return categoryAxis;
}

static void addAxes(QChart* chart, const QPalette& palette, const QStringList& categories)
{
    QAbstractAxis* categoryAxis = placeAxis(palette, categories);
    auto* valueAxis = new QValueAxis;
    valueAxis->setLabelFormat(QStringLiteral("%d"));
    for (QAbstractAxis* axis : { categoryAxis, static_cast<QAbstractAxis*>(valueAxis) }) {
        axis->setLabelsBrush(palette.text());
        axis->setGridLineColor(palette.color(QPalette::Mid));
        axis->setLinePenColor(palette.color(QPalette::Mid));
    }
    chart->addAxis(categoryAxis, Qt::AlignBottom);
    chart->addAxis(valueAxis, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(categoryAxis);
        series->attachAxis(valueAxis);
    }
    valueAxis->applyNiceNumbers();
}

// A chart view releases the chart it showed without deleting it: every
// change would keep one more.
static void showChart(QChartView* view, QChart* chart)
{
    const std::unique_ptr<QChart> shown(view->chart());
    view->setChart(chart);
}

// The charts draw the tables' own numbers, column by column, row by row as
// shown: bars of one column, labelled by the first.
static QChart* barChart(const UsageTable& table, int column, const QPalette& palette, QStringList& categories)
{
    auto* set = new QBarSet(table.headers.value(column));
    set->setColor(palette.color(QPalette::Highlight));
    for (const auto& row : table.rows) {
        categories.append(row.at(0).text);
        set->append(row.at(column).value.toDouble());
    }
    auto* bars = new QBarSeries;
    bars->append(set);
    QChart* chart = chartInPalette(palette, table.title);
    chart->addSeries(bars);
    return chart;
}

void UsageWidget::drawInstrumentChart()
{
    QStringList names;
    QChart* byInstrument = barChart(instrumentModel->table(), 2, palette(), names);
    byInstrument->legend()->hide();
    addAxes(byInstrument, palette(), names);
    showChart(instrumentChart, byInstrument);
}

// All sign-outs as bars, each busiest instrument's as a line.
void UsageWidget::drawWeekChart()
{
    const UsageTable& weekly = weekModel->table();
    QStringList weeks;
    QChart* perWeek = barChart(weekly, 1, palette(), weeks);
    for (qsizetype column = 2; column < weekly.headers.size(); ++column) {
        auto* line = new QLineSeries;
        line->setName(weekly.headers.at(column));
        for (qsizetype row = 0; row < weekly.rows.size(); ++row)
            line->append(double(row), weekly.rows.at(row).at(column).value.toDouble());
        perWeek->addSeries(line);
    }
    addAxes(perWeek, palette(), weeks);
    showChart(weekChart, perWeek);
}

static QString tableHtml(const UsageTable& table)
{
    QString html = QStringLiteral("<h2>%1</h2><table border=1 cellspacing=0 cellpadding=3 width=100%><tr>")
                       .arg(table.title.toHtmlEscaped());
    for (const QString& header : table.headers)
        html += QStringLiteral("<th>%1</th>").arg(header.toHtmlEscaped());
    html += QLatin1String("</tr>");
    for (const auto& row : table.rows) {
        html += QLatin1String("<tr>");
        for (const UsageTable::Cell& cell : row)
            html += QStringLiteral("<td>%1</td>").arg(cell.text.toHtmlEscaped());
        html += QLatin1String("</tr>");
    }
    return html + QLatin1String("</table>");
}

static QString chartHtml(QTextDocument& document, QChartView* view)
{
    const QUrl name(QStringLiteral("chart:%1").arg(view->objectName()));
    document.addResource(QTextDocument::ImageResource, name,
        view->grab(QRect(QPoint(), view->size().expandedTo(QSize(640, 240)))).toImage());
    return QStringLiteral("<p><img src=\"%1\"></p>").arg(name.toString());
}

QString UsageWidget::documentHtml(QTextDocument& document) const
{
    QString html = QStringLiteral("<html><h1>%1</h1>")
                       .arg(tr("Usage from %1 to %2")
                                .arg(QLocale().toString(ui->usageFromDate->date(), QLocale::LongFormat),
                                    QLocale().toString(ui->usageToDate->date(), QLocale::LongFormat))
                                .toHtmlEscaped());
    const QStringList words = searchWords(ui->usageStudentBox->text()) + searchWords(ui->usageItemBox->text());
    if (!words.isEmpty())
        html += QStringLiteral("<p>%1</p>").arg(tr("Words: %1").arg(words.join(QLatin1Char(' '))).toHtmlEscaped());
    html += chartHtml(document, instrumentChart) + tableHtml(instrumentModel->table());
    html += chartHtml(document, weekChart) + tableHtml(weekModel->table());
    for (const UsageTableModel* model : { hourModel.get(), idleModel.get(), studentModel.get() })
        html += tableHtml(model->table());
    return html + QLatin1String("</html>");
}

QList<const UsageTable*> UsageWidget::shownTables() const
{
    return { &instrumentModel->table(), &weekModel->table(), &hourModel->table(), &idleModel->table(),
        &studentModel->table() };
}

// Not what could not be read: the page says why.
void UsageWidget::printUsage()
{
    if (!read(UsageQuery::AllParts))
        return;
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QTextDocument document;
    document.setHtml(documentHtml(document));
    document.print(&printer);
}

void UsageWidget::exportUsage()
{
    if (!read(UsageQuery::AllParts))
        return;
    const QString fileName = QFileDialog::getSaveFileName(this, QString(), QString(), tr("Csv Files (*.csv)"));
    if (fileName.isNull())
        return;
    // Nothing reaches the file's name before every table is written.
    QSaveFile file(fileName);
    const QString shownName = QDir::toNativeSeparators(fileName);
    if (file.open(QIODevice::WriteOnly) && writeUsageCsv(file, shownTables()) && file.commit())
        showInformation(tr("The usage was exported to %1.").arg(shownName));
    else
        showError(this, tr("%1 could not be written: %2").arg(shownName, file.errorString()));
}
