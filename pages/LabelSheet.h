#ifndef LABELSHEET_H
#define LABELSHEET_H

#include "stores/Item.h"

#include <QList>
#include <QPainter>
#include <QRectF>

class QPrinter;

/// Prints inventory labels on sheets of 3 x 8 self-adhesive labels covering
/// the printer's paper (70 x 37 mm on A4, the common 24-label sheet): each
/// label shows the item's text in large type beside a QR code of its item
/// code, which a scanner at the sign-out page reads.
class LabelSheet
{
public:
    static constexpr int Columns = 3;
    static constexpr int Rows = 8;

    explicit LabelSheet(QPrinter* target);

    /// One label per item, in order, across and then down, 24 to a page.
    /// False when the printer could not be started.
    bool print(const QList<Item>& items);

    /// The label at \a index of a page, in millimetres from the corner of
    /// paper of \a paper size (in millimetres).
    static QRectF labelRect(int index, const QSizeF& paper);

private:
    void paintLabel(const QRectF& label, const Item& item);
    void paintText(const QRectF& area, const QString& text);
    /// \a millimetres in the printer's dots, from the paper's corner.
    QRectF dots(const QRectF& millimetres) const;
    qreal toWholeDots(qreal millimetres) const;

    QPrinter* printer;
    QPainter painter;
    qreal dotsPerMillimetre = 0;
};

#endif
