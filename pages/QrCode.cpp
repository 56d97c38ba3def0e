#include "pages/QrCode.h"

#include <QPainter>
#include <QPainterPath>

#include <zint.h>

void QrCode::Deleter::operator()(zint_symbol* made) const
{
    ZBarcode_Delete(made);
}

QrCode::QrCode(const QByteArray& data)
    : symbol(ZBarcode_Create())
{
    if (!symbol)
        return;
    symbol->symbology = BARCODE_QRCODE;
    symbol->option_1 = 2; // error correction level M
    symbol->show_hrt = 0;
    symbol->output_options |= BARCODE_NO_QUIET_ZONES;
    const int result = ZBarcode_Encode_and_Buffer_Vector(
        symbol.get(), reinterpret_cast<const unsigned char*>(data.constData()), int(data.size()), 0);
    // Results below ZINT_ERROR are warnings.
    if (result >= ZINT_ERROR || !symbol->vector)
        symbol.reset();
}

QrCode::~QrCode() = default;

bool QrCode::isValid() const
{
    return symbol != nullptr;
}

int QrCode::modules() const
{
    return symbol ? symbol->width : 0;
}

void QrCode::paint(QPainter& painter, const QRectF& square) const
{
    if (!symbol)
        return;
    const zint_vector& vector = *symbol->vector;
    const qreal scaleX = square.width() / vector.width;
    const qreal scaleY = square.height() / vector.height;
    // One path filled once: separate rectangles would show hairline seams
    // between neighbouring modules in viewers that smooth edges.
    QPainterPath modules;
    modules.setFillRule(Qt::WindingFill);
    for (const zint_vector_rect* rect = vector.rectangles; rect; rect = rect->next)
        modules.addRect(
            square.x() + rect->x * scaleX, square.y() + rect->y * scaleY, rect->width * scaleX, rect->height * scaleY);
    painter.fillPath(modules, Qt::black);
}
