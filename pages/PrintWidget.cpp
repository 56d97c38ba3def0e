#include "pages/PrintWidget.h"
#include "ui_PrintWidget.h"

#include "stores/AbstractHistory.h"
#include "stores/Clock.h"

#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>

PrintWidget::PrintWidget(AbstractHistory* historyStore, const Clock& clockSource)
    : ui(new Ui::PrintWidget)
    , history(historyStore)
    , clock(clockSource)
{
    ui->setupUi(this);
    connect(ui->printButton, &QPushButton::clicked, this, &PrintWidget::printLog);
    connect(history, &AbstractHistory::modified, this, &PrintWidget::updateLog);

    // At midnight the preview moves on to the new day, as the sign-out log does.
    connect(&clock, &Clock::dayChanged, this, &PrintWidget::updateLog);
    rebuildPreview();
}

PrintWidget::~PrintWidget() = default;

QString PrintWidget::summaryHtml(const QDate& day) const
{
    return QStringLiteral("<html>%1%2</html>").arg(titleHtml(day), tableHtml(day));
}

QString PrintWidget::titleHtml(const QDate& day) const
{
    // As in "Sun Dec 6 2026"; each language writes the day its own way.
    const QString date = QLocale().toString(day, tr("ddd MMM d yyyy", "date format"));
    return QStringLiteral("<h1>%1</h1><hr>").arg(tr("Summary for %1").arg(date).toHtmlEscaped());
}

QString PrintWidget::tableHtml(const QDate& day) const
{
    return QStringLiteral("<table border=1 cellspacing=0 cellpadding=3 width=100%>%1%2</table>")
        .arg(headerRowHtml(), rowsHtml(day));
}

QString PrintWidget::headerRowHtml() const
{
    return QStringLiteral("<tr><th>%1</th><th>%2</th><th>%3</th></tr>").arg(tr("Time"), tr("Student"), tr("Item"));
}

QString PrintWidget::rowsHtml(const QDate& day) const
{
    QString rows;
    for (const Entry& entry : history->entries(day, day, QStringList(), QStringList()))
        rows += rowHtml(entry);
    return rows;
}

// Names are typed by people: escaped, and filled in one pass, they show as
// typed and cannot change the rest of the document.
QString PrintWidget::rowHtml(const Entry& entry) const
{
    return QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>")
        .arg(QLocale().toString(entry.time(), tr("hh:mm:ss ap", "time format")),
            entry.student().toString().toHtmlEscaped(), entry.item().toString().toHtmlEscaped());
}

void PrintWidget::printLog()
{
    // The midnight timer may be late (a suspended computer); a print is always
    // of the day it is made on.
    if (!previewIsCurrent())
        rebuildPreview();

    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        ui->previewText->print(&printer);
}

void PrintWidget::updateLog()
{
    if (isVisible())
        rebuildPreview();
    else
        previewStale = true;
}

void PrintWidget::showEvent(QShowEvent* event)
{
    if (!previewIsCurrent())
        rebuildPreview();
    QWidget::showEvent(event);
}

bool PrintWidget::previewIsCurrent() const
{
    return !previewStale && shownDay == clock.today();
}

void PrintWidget::rebuildPreview()
{
    previewStale = false;
    shownDay = clock.today();
    ui->previewText->setHtml(summaryHtml(shownDay));
}

void PrintWidget::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        updateLog();
    }
}
