#ifndef HISTORYWIDGET_H
#define HISTORYWIDGET_H

#include <QWidget>

class AbstractHistory;
class AbstractInventory;
class AbstractStudentList;
class AbstractVerifier;

// Placeholder until the page is built.
class HistoryWidget : public QWidget
{
    Q_OBJECT

public:
    explicit HistoryWidget(AbstractHistory* history);
};

#endif
