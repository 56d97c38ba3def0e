#include "pages/languageChange.h"

#include <QHeaderView>
#include <QTreeView>

void sortViewsAgain(QWidget* page)
{
    for (QTreeView* view : page->findChildren<QTreeView*>())
        if (view->isSortingEnabled())
            view->sortByColumn(view->header()->sortIndicatorSection(), view->header()->sortIndicatorOrder());
}
