#include "pages/sortMenu.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QMenu>
#include <QTreeView>

namespace {

void showSortMenu(QTreeView* view, const QPoint& position)
{
    QHeaderView* header = view->header();
    auto* menu = new QMenu(view);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (int visual = 0; visual < header->count(); ++visual) {
        const int column = header->logicalIndex(visual);
        if (header->isSectionHidden(column))
            continue;
        const QString title = view->model()->headerData(column, Qt::Horizontal).toString();
        QAction* action = menu->addAction(QCoreApplication::translate("sortMenu", "Sort by %1").arg(title));
        action->setCheckable(true);
        const bool sorted = header->sortIndicatorSection() == column;
        action->setChecked(sorted);
        const Qt::SortOrder order
            = sorted && header->sortIndicatorOrder() == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
        // The view sorts whenever its header's indicator changes.
        QObject::connect(
            action, &QAction::triggered, header, [header, column, order] { header->setSortIndicator(column, order); });
    }
    menu->popup(view->viewport()->mapToGlobal(position));
}

} // namespace

void offerSortMenus(QWidget* page)
{
    for (QTreeView* view : page->findChildren<QTreeView*>()) {
        if (!view->isSortingEnabled())
            continue;
        view->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(view, &QWidget::customContextMenuRequested, view,
            [view](const QPoint& position) { showSortMenu(view, position); });
    }
}
