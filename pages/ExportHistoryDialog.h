#ifndef EXPORTHISTORYDIALOG_H
#define EXPORTHISTORYDIALOG_H

#include "stores/HistoryQuery.h"

#include <QDialog>

#include <memory>

class AbstractHistory;
class Clock;

namespace Ui {
class ExportHistoryDialog;
}

/// Asks which part of the history to export: a date range and words, as on
/// the history page, with the number of entries they find. Opens on the year
/// up to today.
class ExportHistoryDialog : public QDialog
{
    Q_OBJECT

public:
    ExportHistoryDialog(AbstractHistory* historyStore, const Clock& clock, QWidget* parent);
    ~ExportHistoryDialog() override;

    HistoryQuery query() const;

private slots:
    void filterChanged();

private:
    std::unique_ptr<Ui::ExportHistoryDialog> ui;
    AbstractHistory* history;
};

#endif
