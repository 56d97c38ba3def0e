#ifndef PRINTWIDGET_H
#define PRINTWIDGET_H

#include <QDate>
#include <QWidget>

#include <memory>

class AbstractHistory;
class Clock;
class Entry;

namespace Ui {
class PrintWidget;
}

/// The administration page that previews and prints the summary of the
/// current day's sign-outs. The preview follows the history and the calendar.
class PrintWidget : public QWidget
{
    Q_OBJECT

public:
    PrintWidget(AbstractHistory* historyStore, const Clock& clockSource);
    ~PrintWidget() override;

    /// The summary document of \a day: its title, then its table.
    QString summaryHtml(const QDate& day) const;
    QString titleHtml(const QDate& day) const;
    QString tableHtml(const QDate& day) const;
    QString headerRowHtml() const;
    /// One row per entry of \a day, in the order they were recorded.
    QString rowsHtml(const QDate& day) const;
    QString rowHtml(const Entry& entry) const;

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private slots:
    void printLog();
    void updateLog();

private:
    void rebuildPreview();
    bool previewIsCurrent() const;

    std::unique_ptr<Ui::PrintWidget> ui;
    AbstractHistory* history;
    const Clock& clock;
    QDate shownDay;
    // Rebuilding the summary on every sign-out while nobody looks at it would
    // make each sign-out wait for a document layout; it is caught up when shown.
    bool previewStale = false;
};

#endif
