#include "pages/LabelSheet.h"

#include "pages/QrCode.h"
#include "stores/itemCode.h"

#include <QFontMetricsF>
#include <QPrinter>

#include <cmath>

namespace {

// Printers leave the last few millimetres of the paper blank, and a QR code
// needs a quiet zone around it: both lie in this margin inside every label.
constexpr qreal Padding = 5;
constexpr qreal Gap = 4;
// Large modules read best with the cheap imagers schools buy.
constexpr qreal LargestModule = 0.8;
constexpr qreal LargestPoints = 20;
constexpr qreal SmallestPoints = 7;

} // namespace

LabelSheet::LabelSheet(QPrinter* target)
    : printer(target)
{
}

QRectF LabelSheet::labelRect(int index, const QSizeF& paper)
{
    const QSizeF size(paper.width() / Columns, paper.height() / Rows);
    return QRectF(QPointF(index % Columns * size.width(), index / Columns * size.height()), size);
}

bool LabelSheet::print(const QList<Item>& items)
{
    // The labels cover the whole sheet, so positions count from the paper's corner.
    printer->setFullPage(true);
    if (!painter.begin(printer))
        return false;
    dotsPerMillimetre = printer->resolution() / 25.4;
    const QSizeF paper = printer->pageLayout().fullRect(QPageLayout::Millimeter).size();
    const int perPage = Columns * Rows;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (i > 0 && i % perPage == 0)
            printer->newPage();
        paintLabel(labelRect(int(i % perPage), paper), items.at(i));
    }
    return painter.end();
}

void LabelSheet::paintLabel(const QRectF& label, const Item& item)
{
    const QRectF inner = label.adjusted(Padding, Padding, -Padding, -Padding);
    const QrCode code(itemCode(item).toLatin1());
    if (!code.isValid()) {
        paintText(inner, item.toString());
        return;
    }
    // Whole printer dots per module, so every module prints the same size.
    const qreal module = toWholeDots(std::min(LargestModule, inner.height() / code.modules()));
    const qreal side = module * code.modules();
    code.paint(painter, dots(QRectF(inner.left(), inner.center().y() - side / 2, side, side)));
    paintText(inner.adjusted(side + Gap, 0, 0, 0), item.toString());
}

/// \a text as large as fits \a area, wrapped at spaces if it must.
void LabelSheet::paintText(const QRectF& area, const QString& text)
{
    const QRectF box = dots(area);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
    QFont font = painter.font();
    font.setBold(true);
    for (qreal points = LargestPoints; points >= SmallestPoints; points -= 1) {
        font.setPointSizeF(points);
        const QRectF needed = QFontMetricsF(font, printer).boundingRect(box, flags, text);
        if (needed.width() <= box.width() && needed.height() <= box.height())
            break;
    }
    painter.setFont(font);
    painter.drawText(box, flags, text);
}

QRectF LabelSheet::dots(const QRectF& millimetres) const
{
    return QRectF(millimetres.topLeft() * dotsPerMillimetre, millimetres.size() * dotsPerMillimetre);
}

qreal LabelSheet::toWholeDots(qreal millimetres) const
{
    return std::max(1.0, std::floor(millimetres * dotsPerMillimetre)) / dotsPerMillimetre;
}
