#include "support/clickButton.h"

#include <QCheckBox>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

void clickButton(QAbstractButton* button)
{
    QPoint at = button->rect().center();
    if (auto* box = qobject_cast<QCheckBox*>(button)) {
        QStyleOptionButton option;
        option.initFrom(box);
        at = box->style()->subElementRect(QStyle::SE_CheckBoxClickRect, &option, box).center();
    }
    QTest::mouseClick(button, Qt::LeftButton, {}, at);
}
