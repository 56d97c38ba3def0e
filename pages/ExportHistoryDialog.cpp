#include "pages/ExportHistoryDialog.h"
#include "ui_ExportHistoryDialog.h"

#include "pages/searchWords.h"
#include "stores/AbstractHistory.h"
#include "stores/Clock.h"

#include <QPushButton>

ExportHistoryDialog::ExportHistoryDialog(AbstractHistory* historyStore, const Clock& clock, QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::ExportHistoryDialog)
    , history(historyStore)
{
    ui->setupUi(this);
    ui->buttonBox->addButton(tr("Export..."), QDialogButtonBox::AcceptRole)->setDefault(true);
    const QDate today = clock.today();
    ui->fromDate->setDate(today.addYears(-1).addDays(1));
    ui->toDate->setDate(today);
    connect(ui->fromDate, &QDateEdit::dateChanged, this, &ExportHistoryDialog::filterChanged);
    connect(ui->toDate, &QDateEdit::dateChanged, this, &ExportHistoryDialog::filterChanged);
    connect(ui->studentBox, &QLineEdit::textChanged, this, &ExportHistoryDialog::filterChanged);
    connect(ui->itemBox, &QLineEdit::textChanged, this, &ExportHistoryDialog::filterChanged);
    filterChanged();
}

ExportHistoryDialog::~ExportHistoryDialog() = default;

HistoryQuery ExportHistoryDialog::query() const
{
    HistoryQuery query;
    query.from = ui->fromDate->date();
    query.to = ui->toDate->date();
    query.studentWords = searchWords(ui->studentBox->text());
    query.itemWords = searchWords(ui->itemBox->text());
    return query;
}

void ExportHistoryDialog::filterChanged()
{
    const qsizetype count = history->count(query());
    ui->countValue->setText(count < 0 ? tr("The history cannot be read.") : QLocale().toString(count));
}
