#include "support/ItemViews.h"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QTest>

void clickCell(QAbstractItemView* view, int row, int column, Qt::KeyboardModifiers modifiers)
{
    const QRect cell = view->visualRect(view->model()->index(row, column));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, cell.center());
}

void clickSection(QHeaderView* header, int section)
{
    const QPoint middle(
        header->sectionViewportPosition(section) + header->sectionSize(section) / 2, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, middle);
}

QStringList columnTexts(const QAbstractItemModel* model, int column)
{
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts.append(model->index(row, column).data().toString());
    return texts;
}
