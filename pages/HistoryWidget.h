#ifndef HISTORYWIDGET_H
#define HISTORYWIDGET_H

#include <QDate>
#include <QWidget>

#include <memory>

class AbstractHistory;
class Clock;
class HistoryModel;
class QDateEdit;

namespace Ui {
class HistoryWidget;
}

/// The history of sign-outs between two dates whose student and item texts
/// contain the typed words; opens on today's, newest first.
class HistoryWidget : public QWidget
{
    Q_OBJECT

public:
    HistoryWidget(AbstractHistory* history, const Clock& clockSource);
    ~HistoryWidget() override;

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void filterChanged();
    void fromDateChanged();
    void toDateChanged();
    void resetClicked();
    void followToday();

private:
    /// Whether the text typed into \a edit reads as a date it allows; when it
    /// does not, the edit's date is put back and the page says so.
    bool typedDateReadable(QDateEdit* edit);

    std::unique_ptr<Ui::HistoryWidget> ui;
    const Clock& clock;
    /// The day of the range the page opens on, which follows the calendar.
    QDate defaultDay;
    std::unique_ptr<HistoryModel> historyModel;
};

#endif
