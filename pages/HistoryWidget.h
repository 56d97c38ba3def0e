#ifndef HISTORYWIDGET_H
#define HISTORYWIDGET_H

#include <QDate>
#include <QWidget>

#include <memory>

class AbstractHistory;
class Clock;
class HistoryModel;

namespace Ui {
class HistoryWidget;
}

/// The history of sign-outs between two dates whose student and item texts
/// contain the typed words; opens on today's, newest first.
class HistoryWidget : public QWidget
{
    Q_OBJECT

public:
    HistoryWidget(AbstractHistory* history, const Clock& clock);
    ~HistoryWidget() override;

private slots:
    void filterChanged();
    void fromDateChanged();
    void toDateChanged();
    void resetClicked();
    void followToday();

private:
    std::unique_ptr<Ui::HistoryWidget> ui;
    const Clock& clock;
    /// The day of the range the page opens on, which follows the calendar.
    QDate defaultDay;
    std::unique_ptr<HistoryModel> historyModel;
};

#endif
