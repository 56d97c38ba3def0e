#ifndef QRCODE_H
#define QRCODE_H

#include <QByteArray>
#include <QRectF>

#include <memory>

class QPainter;
struct zint_symbol;

/// A QR code (error correction level M) of some bytes, drawn as vectors, so
/// that it prints sharp at any printer resolution.
class QrCode
{
public:
    explicit QrCode(const QByteArray& data);
    ~QrCode();

    /// Whether the data could be encoded (it can be empty or too long).
    bool isValid() const;
    /// The side of the symbol in modules, without its quiet zone.
    int modules() const;
    /// Fills \a square with the symbol; the quiet zone of four modules around
    /// it is the caller's to leave blank.
    void paint(QPainter& painter, const QRectF& square) const;

private:
    struct Deleter
    {
        void operator()(zint_symbol* made) const;
    };
    std::unique_ptr<zint_symbol, Deleter> symbol;
};

#endif
