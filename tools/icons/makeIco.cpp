// Packs one image into a Windows icon file holding the sizes Windows asks for,
// from 256 down to 16 pixels.
//
// Usage: makeIco <input image> <output .ico> [<icon theme folder>]
// With a third argument, each size is also written as a PNG file
// <folder>/<size>x<size>/brindlow.png for the freedesktop icon theme.
// The 256-pixel image is stored as PNG, the smaller ones as 32-bit bitmaps with
// an alpha channel and a matching mask, which every Windows version reads.

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>
#include <QtEndian>

namespace {

const int Sizes[] = { 256, 128, 64, 48, 32, 24, 16 };

void putU8(QByteArray& out, quint8 value)
{
    out.append(char(value));
}

void putU16(QByteArray& out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void putU32(QByteArray& out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

// The source need not be square: it is scaled to fit and centred on a
// transparent square.
QImage squareImage(const QImage& source, int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const QImage scaled = source.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&image);
    painter.drawImage((size - scaled.width()) / 2, (size - scaled.height()) / 2, scaled);
    return image;
}

QByteArray png(const QImage& image)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return data;
}

// A DIB as icons hold it: the header gives twice the height because the colour
// rows (bottom-up, BGRA) are followed by a 1-bit mask of the transparent pixels.
QByteArray bitmap(const QImage& image)
{
    const int size = image.width();
    const int maskStride = ((size + 31) / 32) * 4;
    QByteArray out;
    putU32(out, 40);
    putU32(out, quint32(size));
    putU32(out, quint32(size * 2));
    putU16(out, 1);
    putU16(out, 32);
    putU32(out, 0);
    putU32(out, quint32(size * size * 4 + maskStride * size));
    for (int i = 0; i < 4; ++i)
        putU32(out, 0);

    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            const QRgb pixel = image.pixel(x, y);
            putU8(out, quint8(qBlue(pixel)));
            putU8(out, quint8(qGreen(pixel)));
            putU8(out, quint8(qRed(pixel)));
            putU8(out, quint8(qAlpha(pixel)));
        }
    }
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < size; ++x) {
            if (qAlpha(image.pixel(x, y)) == 0)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
    return out;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 3 && args.size() != 4) {
        err << "usage: makeIco <input image> <output .ico> [<icon theme folder>]\n";
        return 2;
    }
    const QImage source(args.at(1));
    if (source.isNull()) {
        err << "cannot read " << args.at(1) << "\n";
        return 1;
    }

    QList<QByteArray> images;
    for (int size : Sizes) {
        const QImage image = squareImage(source, size);
        images.append(size >= 256 ? png(image) : bitmap(image));
        if (args.size() == 4) {
            const QString folder = QStringLiteral("%1/%2x%2").arg(args.at(3)).arg(size);
            if (!QDir().mkpath(folder) || !image.save(folder + QStringLiteral("/brindlow.png"), "PNG")) {
                err << "cannot write into " << folder << "\n";
                return 1;
            }
        }
    }

    QByteArray ico;
    putU16(ico, 0); // reserved
    putU16(ico, 1); // icon, not cursor
    putU16(ico, quint16(images.size()));
    quint32 offset = quint32(6 + 16 * images.size());
    for (int i = 0; i < images.size(); ++i) {
        const int size = Sizes[i];
        putU8(ico, quint8(size >= 256 ? 0 : size)); // 0 stands for 256
        putU8(ico, quint8(size >= 256 ? 0 : size));
        putU8(ico, 0); // no palette
        putU8(ico, 0);
        putU16(ico, 1); // planes
        putU16(ico, 32); // bits per pixel
        putU32(ico, quint32(images.at(i).size()));
        putU32(ico, offset);
        offset += quint32(images.at(i).size());
    }
    for (const QByteArray& image : images)
        ico.append(image);

    QFile file(args.at(2));
    if (!file.open(QIODevice::WriteOnly) || file.write(ico) != ico.size()) {
        err << "cannot write " << args.at(2) << "\n";
        return 1;
    }
    return 0;
}
