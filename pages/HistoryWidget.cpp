#include "pages/HistoryWidget.h"

#include "ui_HistoryWidget.h"

#include "models/HistoryModel.h"
#include "pages/dateRange.h"
#include "pages/languageChange.h"
#include "pages/searchWords.h"
#include "pages/sortMenu.h"
#include "stores/Clock.h"

#include <QKeyEvent>

HistoryWidget::HistoryWidget(AbstractHistory* history, const Clock& clockSource)
    : ui(new Ui::HistoryWidget)
    , clock(clockSource)
    , defaultDay(clockSource.today())
    , historyModel(new HistoryModel(
          history, HistoryModel::DateColumn | HistoryModel::StudentColumn | HistoryModel::ItemColumn, defaultDay))
{
    ui->setupUi(this);
    offerSortMenus(this);
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
    ui->fromDate->installEventFilter(this);
    ui->toDate->installEventFilter(this);
    ui->dateNoteLabel->hide();
    connect(&clock, &Clock::dayChanged, this, &HistoryWidget::followToday);
}

HistoryWidget::~HistoryWidget() = default;

// Seen before the date edit takes its typed text in, as it does when it loses
// the focus or Return is pressed.
bool HistoryWidget::eventFilter(QObject* watched, QEvent* event)
{
    auto* edit = qobject_cast<QDateEdit*>(watched);
    const bool enter = event->type() == QEvent::KeyPress
        && (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return
            || static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter);
    // Return on the date put back would refresh the range all the same, and hide the note.
    if (edit && (enter || event->type() == QEvent::FocusOut) && !typedDateReadable(edit))
        return enter;
    return QWidget::eventFilter(watched, event);
}

// A date edit takes text it cannot read as the nearest date it allows: a year
// typed over its field as "1202" gives the range's first day. The date stays
// as it was instead, and the page says so.
bool HistoryWidget::typedDateReadable(QDateEdit* edit)
{
    const QDate typed = edit->locale().toDate(edit->text(), edit->displayFormat());
    if (typed.isValid() && typed >= edit->minimumDate() && typed <= edit->maximumDate())
        return true;
    ui->dateNoteLabel->setText(tr("\"%1\" could not be read as a date; the range keeps %2.")
                                   .arg(edit->text(), edit->locale().toString(edit->date(), edit->displayFormat())));
    ui->dateNoteLabel->show();
    edit->setDate(edit->date());
    return false;
}

void HistoryWidget::filterChanged()
{
    ui->dateNoteLabel->hide();
    historyModel->setFilter(ui->fromDate->date(), ui->toDate->date(), searchWords(ui->studentBox->text()),
        searchWords(ui->itemBox->text()));
}

void HistoryWidget::fromDateChanged()
{
    keepRangeInOrder(ui->fromDate, ui->fromDate, ui->toDate);
}

void HistoryWidget::toDateChanged()
{
    keepRangeInOrder(ui->toDate, ui->fromDate, ui->toDate);
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

void HistoryWidget::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        sortViewsAgain(this);
    }
}
