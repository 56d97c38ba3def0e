#include "pages/HistoryWidget.h"

#include "ui_HistoryWidget.h"

#include "models/HistoryModel.h"
#include "pages/searchWords.h"
#include "stores/Clock.h"

HistoryWidget::HistoryWidget(AbstractHistory* history, const Clock& clock)
    : ui(new Ui::HistoryWidget)
    , clock(clock)
    , defaultDay(clock.today())
    , historyModel(new HistoryModel(
          history, HistoryModel::DateColumn | HistoryModel::StudentColumn | HistoryModel::ItemColumn, defaultDay))
{
    ui->setupUi(this);
    // The filter before the coupling: a change that inverts the range refreshes
    // once with it, then the coupled date's own change refreshes with the final range.
    connect(ui->fromDate, &QDateEdit::dateChanged, this, &HistoryWidget::filterChanged);
    connect(ui->toDate, &QDateEdit::dateChanged, this, &HistoryWidget::filterChanged);
    connect(ui->studentBox, &QLineEdit::textChanged, this, &HistoryWidget::filterChanged);
    connect(ui->itemBox, &QLineEdit::textChanged, this, &HistoryWidget::filterChanged);
    connect(ui->fromDate, &QDateEdit::dateChanged, this, &HistoryWidget::fromDateChanged);
    connect(ui->toDate, &QDateEdit::dateChanged, this, &HistoryWidget::toDateChanged);
    connect(ui->resetButton, &QPushButton::clicked, this, &HistoryWidget::resetClicked);

    // Sorting is on already, so the view sorts by its indicator: newest first.
    ui->entryView->setModel(historyModel.get());
    ui->fromDate->setDate(defaultDay);
    ui->toDate->setDate(defaultDay);
    connect(&clock, &Clock::dayChanged, this, &HistoryWidget::followToday);
}

HistoryWidget::~HistoryWidget() = default;

void HistoryWidget::filterChanged()
{
    historyModel->setFilter(ui->fromDate->date(), ui->toDate->date(), searchWords(ui->studentBox->text()),
        searchWords(ui->itemBox->text()));
}

void HistoryWidget::fromDateChanged()
{
    if (ui->fromDate->date() > ui->toDate->date())
        ui->toDate->setDate(ui->fromDate->date());
}

void HistoryWidget::toDateChanged()
{
    if (ui->toDate->date() < ui->fromDate->date())
        ui->fromDate->setDate(ui->toDate->date());
}

void HistoryWidget::resetClicked()
{
    defaultDay = clock.today();
    ui->toDate->setDate(defaultDay);
    ui->fromDate->setDate(defaultDay);
    ui->studentBox->clear();
    ui->itemBox->clear();
}

// A kiosk runs for weeks: the page's opening range moves on with the calendar,
// a range or words that somebody chose stay as they are.
void HistoryWidget::followToday()
{
    if (ui->fromDate->date() == defaultDay && ui->toDate->date() == defaultDay && ui->studentBox->text().isEmpty()
        && ui->itemBox->text().isEmpty())
        resetClicked();
    else
        defaultDay = clock.today();
}
