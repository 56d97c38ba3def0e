// Draws Brindlow's embedded icons as PNG files.
//
// Usage: drawIcons <output-root>
// Every icon is drawn with QPainter on a transparent canvas laid out on a
// small design grid (usually 48 x 48 units) that is scaled to the pixel size.

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>
#include <QTransform>

#include <cmath>

namespace {

namespace Colour {
    const QColor blue(0x1f, 0x4e, 0x99);
    const QColor blueDark(0x16, 0x3a, 0x73);
    const QColor blueLight(0x4a, 0x7c, 0xc9);
    const QColor amber(0xe8, 0xa3, 0x3d);
    const QColor amberLight(0xf5, 0xc2, 0x6b);
    const QColor amberDark(0xb0, 0x74, 0x1f);
    const QColor paper(0xff, 0xff, 0xff);
    const QColor greyLight(0xe4, 0xe8, 0xee);
    const QColor grey(0xb4, 0xbb, 0xc6);
    const QColor greyDark(0x4a, 0x50, 0x5a);
    const QColor ink(0x2e, 0x32, 0x38);
    const QColor green(0x2e, 0x9e, 0x4f);
    const QColor greenLight(0x5c, 0xc9, 0x79);
    const QColor greenDark(0x1b, 0x6b, 0x32);
    const QColor red(0xd6, 0x45, 0x41);
    const QColor redLight(0xee, 0x74, 0x6c);
    const QColor redDark(0x96, 0x2d, 0x22);
} // namespace Colour

// ---------------------------------------------------------------- helpers

QPen roundPen(const QColor& colour, qreal width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QLinearGradient verticalGradient(qreal top, qreal bottom, const QColor& from, const QColor& to)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, from);
    g.setColorAt(1, to);
    return g;
}

// Erases a margin of `gap` around `shape`, so a shape drawn on top of another
// one stays separated from it by a thin transparent outline.
void knockOut(QPainter& p, const QPainterPath& shape, qreal gap)
{
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.setPen(roundPen(Qt::black, 2 * gap));
    p.setBrush(Qt::black);
    p.drawPath(shape);
    p.restore();
}

QPainterPath tiltedEllipse(QPointF centre, qreal rx, qreal ry, qreal degrees)
{
    QPainterPath e;
    e.addEllipse(QPointF(0, 0), rx, ry);
    return QTransform().translate(centre.x(), centre.y()).rotate(degrees).map(e);
}

// A toothed wheel with a round hole in the middle.
QPainterPath gearPath(QPointF centre, qreal outerRadius, int teeth = 8)
{
    const qreal rootRadius = outerRadius * 0.76;
    const qreal holeRadius = outerRadius * 0.34;
    const qreal pitch = 2 * M_PI * rootRadius / teeth;
    const qreal baseHalf = pitch * 0.30;
    const qreal tipHalf = pitch * 0.20;

    QPainterPath gear;
    gear.addEllipse(centre, rootRadius, rootRadius);
    for (int i = 0; i < teeth; ++i) {
        QPainterPath tooth;
        tooth.moveTo(-baseHalf, -(rootRadius - 1));
        tooth.lineTo(-tipHalf, -outerRadius);
        tooth.lineTo(tipHalf, -outerRadius);
        tooth.lineTo(baseHalf, -(rootRadius - 1));
        tooth.closeSubpath();
        const QTransform place = QTransform().translate(centre.x(), centre.y()).rotate(360.0 * i / teeth);
        gear = gear.united(place.map(tooth));
    }
    QPainterPath hole;
    hole.addEllipse(centre, holeRadius, holeRadius);
    return gear.subtracted(hole).simplified();
}

void drawGear(QPainter& p, QPointF centre, qreal outerRadius, const QColor& light, const QColor& dark)
{
    const QPainterPath gear = gearPath(centre, outerRadius);
    p.setPen(roundPen(dark, outerRadius * 0.06));
    p.setBrush(verticalGradient(centre.y() - outerRadius, centre.y() + outerRadius, light, dark));
    p.drawPath(gear);
}

// Two eighth notes joined by a beam, fitted into `box`.
void drawBeamedNotes(QPainter& p, const QRectF& box, const QBrush& notes, const QBrush& beam)
{
    // Laid out on a 100 x 100 grid.
    QPainterPath body;
    body.addPath(tiltedEllipse({ 25, 84 }, 15, 10.5, -22));
    body.addPath(tiltedEllipse({ 77, 72 }, 15, 10.5, -22));
    body.addRect(QRectF(32.5, 20, 6.5, 62));
    body.addRect(QRectF(84.5, 8, 6.5, 62));
    body.setFillRule(Qt::WindingFill);

    QPainterPath bar;
    bar.moveTo(32.5, 12);
    bar.lineTo(91, 0);
    bar.lineTo(91, 18);
    bar.lineTo(32.5, 30);
    bar.closeSubpath();

    const QTransform fit
        = QTransform().translate(box.left(), box.top()).scale(box.width() / 100.0, box.height() / 100.0);
    p.setPen(Qt::NoPen);
    p.setBrush(notes);
    p.drawPath(fit.map(body.simplified()));
    p.setBrush(beam);
    p.drawPath(fit.map(bar));
}

// An arrow pointing right whose tip is at `tip`.
QPainterPath rightArrow(QPointF tip, qreal length, qreal shaftWidth, qreal headLength, qreal headWidth)
{
    const qreal x0 = tip.x() - length;
    const qreal neck = tip.x() - headLength;
    const qreal y = tip.y();
    QPainterPath arrow;
    arrow.moveTo(x0, y - shaftWidth / 2);
    arrow.lineTo(neck, y - shaftWidth / 2);
    arrow.lineTo(neck, y - headWidth / 2);
    arrow.lineTo(tip);
    arrow.lineTo(neck, y + headWidth / 2);
    arrow.lineTo(neck, y + shaftWidth / 2);
    arrow.lineTo(x0, y + shaftWidth / 2);
    arrow.closeSubpath();
    return arrow;
}

// A desk printer with a printed page coming out, on a 48 x 48 grid.
void drawPrinter(QPainter& p)
{
    // Blank paper waiting at the back.
    p.setPen(roundPen(Colour::greyDark, 1.5));
    p.setBrush(Colour::paper);
    p.drawRect(QRectF(13, 5, 22, 14));

    // Body.
    p.setBrush(verticalGradient(16, 36, Colour::greyLight, Colour::grey));
    p.drawRoundedRect(QRectF(4, 16, 40, 20), 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(Colour::blue);
    p.drawRect(QRectF(4.75, 21, 38.5, 3));
    p.setBrush(Colour::amber);
    p.drawEllipse(QPointF(38, 28.5), 2, 2);

    // Output slot and the printed page.
    p.setBrush(Colour::ink);
    p.drawRoundedRect(QRectF(10, 28, 24, 3.5), 1.5, 1.5);
    p.setPen(roundPen(Colour::greyDark, 1.5));
    p.setBrush(Colour::paper);
    p.drawRect(QRectF(13, 30, 18, 14.5));
    p.setPen(roundPen(Colour::blueLight, 1.5));
    for (qreal y : { 34.5, 38.0 })
        p.drawLine(QPointF(16, y), QPointF(28, y));
    p.drawLine(QPointF(16, 41.5), QPointF(23, 41.5));
}

// ---------------------------------------------------------------- icons

// The application logo: beamed notes on a blue rounded square above the name.
void drawLogo(QPainter& p)
{
    const QRectF square(4, 3, 352, 351);
    QLinearGradient bg(0, square.top(), 0, square.bottom());
    bg.setColorAt(0, Colour::blueLight);
    bg.setColorAt(0.55, Colour::blue);
    bg.setColorAt(1, Colour::blueDark);
    p.setPen(Qt::NoPen);
    p.setBrush(bg);
    p.drawRoundedRect(square, 64, 64);

    // A soft light behind the notes.
    QRadialGradient glow(QPointF(180, 135), 130);
    glow.setColorAt(0, QColor(255, 255, 255, 56));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(glow);
    p.drawEllipse(QPointF(180, 135), 130, 130);

    // Faint staff lines.
    p.setPen(QPen(QColor(255, 255, 255, 50), 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 5; ++i) {
        const qreal y = 75 + i * 30;
        p.drawLine(QPointF(44, y), QPointF(316, y));
    }

    drawBeamedNotes(p, QRectF(95, 46, 170, 170), Colour::paper, Colour::amber);

    // The name underneath.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(64);
    const QString name = QStringLiteral("Brindlow");
    const qreal maxWidth = 280;
    const qreal width = QFontMetricsF(font).horizontalAdvance(name);
    if (width > maxWidth)
        font.setPixelSize(int(64 * maxWidth / width));
    p.setFont(font);
    p.setPen(Colour::paper);
    p.drawText(QRectF(0, 240, 360, 80), Qt::AlignHCenter | Qt::AlignVCenter, name);

    p.setPen(QPen(Colour::amber, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(150, 318), QPointF(210, 318));
}

// Sidebar "Sign Out": an instrument case with an arrow leaving it.
void drawSignOut(QPainter& p)
{
    // Handle.
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(Colour::grey, 4));
    p.drawRoundedRect(QRectF(12, 9, 12, 9), 3, 3);
    p.setPen(roundPen(Colour::greyLight, 2));
    p.drawRoundedRect(QRectF(12, 9, 12, 9), 3, 3);

    // Case.
    const QRectF caseRect(3, 15, 30, 26);
    p.setPen(roundPen(Colour::grey, 1));
    p.setBrush(verticalGradient(caseRect.top(), caseRect.bottom(), Colour::paper, Colour::greyLight));
    p.drawRoundedRect(caseRect, 4.5, 4.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Colour::amber);
    p.drawRoundedRect(QRectF(8, 14, 4, 4), 1, 1);
    p.drawRoundedRect(QRectF(24, 14, 4, 4), 1, 1);
    drawBeamedNotes(p, QRectF(6.5, 19.5, 16, 16), Colour::blue, Colour::blue);

    // Arrow on its way out.
    const QPainterPath arrow = rightArrow({ 46, 33 }, 22, 5, 9, 14);
    knockOut(p, arrow, 1.75);
    p.setPen(roundPen(Colour::amberDark, 1));
    p.setBrush(verticalGradient(26, 40, Colour::amberLight, Colour::amber));
    p.drawPath(arrow);
}

// Sidebar "History": a clock with a counter-clockwise arrow around it.
void drawHistory(QPainter& p)
{
    const QPointF c(25.5, 24);

    // Clock face.
    p.setPen(roundPen(Colour::grey, 1));
    p.setBrush(verticalGradient(c.y() - 13, c.y() + 13, Colour::paper, Colour::greyLight));
    p.drawEllipse(c, 13, 13);
    p.setPen(roundPen(Colour::grey, 1.5));
    for (int i = 0; i < 12; i += 3) {
        const qreal a = i * M_PI / 6;
        const QPointF dir(std::sin(a), -std::cos(a));
        p.drawLine(c + dir * 9.5, c + dir * 11);
    }
    p.setPen(roundPen(Colour::blue, 2.5));
    p.drawLine(c, c + QPointF(0, -8.5));
    p.drawLine(c, c + QPointF(-5.5, 3));
    p.setPen(Qt::NoPen);
    p.setBrush(Colour::amber);
    p.drawEllipse(c, 2, 2);

    // Arrow running back in time: starts at nine o'clock, arrowhead points down.
    const qreal r = 19;
    p.setPen(roundPen(Colour::amber, 3.5));
    p.setBrush(Qt::NoBrush);
    const QRectF ring(c.x() - r, c.y() - r, 2 * r, 2 * r);
    p.drawArc(ring, 172 * 16, -292 * 16);
    QPainterPath head;
    head.moveTo(c.x() - r - 5.5, c.y() - 1.5);
    head.lineTo(c.x() - r + 5.5, c.y() - 1.5);
    head.lineTo(c.x() - r, c.y() + 6);
    head.closeSubpath();
    p.setPen(roundPen(Colour::amber, 1.5));
    p.setBrush(Colour::amber);
    p.drawPath(head);
}

// Menu action "Settings": a blue gear.
void drawSettings(QPainter& p)
{
    drawGear(p, { 24, 24 }, 21, Colour::blueLight, Colour::blueDark);
}

// "Settings Home": a house with an amber gear inside.
void drawSettingsHome(QPainter& p)
{
    QPainterPath house;
    house.moveTo(24, 4);
    house.lineTo(45, 22);
    house.lineTo(39, 22);
    house.lineTo(39, 44);
    house.lineTo(9, 44);
    house.lineTo(9, 22);
    house.lineTo(3, 22);
    house.closeSubpath();
    p.setPen(roundPen(Colour::blueDark, 2));
    p.setBrush(verticalGradient(4, 44, Colour::blueLight, Colour::blue));
    p.drawPath(house);

    drawGear(p, { 24, 31 }, 10, Colour::amberLight, Colour::amberDark);
}

// Settings "Inventory": a stack of three boxes.
void drawInventory(QPainter& p)
{
    const auto box = [&p](const QRectF& r) {
        p.setPen(roundPen(Colour::amberDark, 1));
        p.setBrush(verticalGradient(r.top(), r.bottom(), Colour::amberLight, Colour::amber));
        p.drawRoundedRect(r, 1.5, 1.5);
        // Lid line and a label.
        p.drawLine(QPointF(r.left() + 0.5, r.top() + 3.5), QPointF(r.right() - 0.5, r.top() + 3.5));
        p.setPen(Qt::NoPen);
        p.setBrush(Colour::blue);
        p.drawRect(QRectF(r.center().x() - 3, r.top() + 6, 6, 3));
    };
    box(QRectF(2.5, 17.5, 13, 12));
    box(QRectF(16.5, 17.5, 13, 12));
    box(QRectF(9.5, 4.5, 13, 12));
}

// Head-and-shoulders silhouette; `scale` 1 is a head of radius 10.
QPainterPath personPath(qreal centreX, qreal bottom, qreal scale)
{
    const qreal headR = 10 * scale;
    const qreal shoulderW = 40 * scale;
    const qreal bodyH = 20 * scale;
    const qreal neck = 3 * scale;

    QPainterPath body;
    body.addRoundedRect(QRectF(centreX - shoulderW / 2, bottom - bodyH, shoulderW, bodyH * 2), 16 * scale, 16 * scale);
    QPainterPath below;
    below.addRect(QRectF(centreX - shoulderW, bottom, 2 * shoulderW, bodyH * 2));
    QPainterPath person = body.subtracted(below);
    person.addEllipse(QPointF(centreX, bottom - bodyH - neck - headR), headR, headR);
    person.setFillRule(Qt::WindingFill);
    return person;
}

// Settings "Students": three people, the front one overlapping the others.
void drawStudents(QPainter& p)
{
    const auto person = [&p](const QPainterPath& shape, const QColor& light, const QColor& dark) {
        knockOut(p, shape, 1.6);
        const QRectF r = shape.boundingRect();
        p.setPen(Qt::NoPen);
        p.setBrush(verticalGradient(r.top(), r.bottom(), light, dark));
        p.drawPath(shape);
    };
    person(personPath(17, 54, 0.76), Colour::amberLight, Colour::amber);
    person(personPath(47, 54, 0.76), Colour::blueLight, QColor(0x3a, 0x68, 0xb0));
    person(personPath(32, 57, 1.05), QColor(0x2b, 0x5f, 0xb3), Colour::blueDark);
}

// Inventory "Add": a green plus.
void drawAdd(QPainter& p)
{
    QPainterPath plus;
    plus.addRoundedRect(QRectF(1.5, 5.5, 13, 5), 1, 1);
    plus.addRoundedRect(QRectF(5.5, 1.5, 5, 13), 1, 1);
    plus.setFillRule(Qt::WindingFill);
    p.setPen(roundPen(Colour::greenDark, 1));
    p.setBrush(verticalGradient(1.5, 14.5, Colour::greenLight, Colour::green));
    p.drawPath(plus.simplified());
}

// Inventory "Remove": a red minus.
void drawRemove(QPainter& p)
{
    p.setPen(roundPen(Colour::redDark, 1));
    p.setBrush(verticalGradient(5.5, 10.5, Colour::redLight, Colour::red));
    p.drawRoundedRect(QRectF(1.5, 5.5, 13, 5), 1, 1);
}

// ---------------------------------------------------------------- output

struct Icon
{
    const char* path; // relative to the output root
    QSize size; // in pixels
    qreal grid; // design units across the width
    void (*draw)(QPainter&);
};

const Icon icons[] = {
    { "MainWindow/Icon.png", { 360, 357 }, 360, drawLogo },
    { "MainWindow/SignOut.png", { 48, 48 }, 48, drawSignOut },
    { "MainWindow/History.png", { 48, 48 }, 48, drawHistory },
    { "MainWindow/Settings.png", { 48, 48 }, 48, drawSettings },
    { "MainWindow/Printer.png", { 48, 48 }, 48, drawPrinter },
    { "Settings/Inventory.png", { 32, 32 }, 32, drawInventory },
    { "Settings/Students.png", { 256, 256 }, 64, drawStudents },
    { "Settings/Printer.png", { 48, 48 }, 48, drawPrinter },
    { "Settings/Settings.png", { 48, 48 }, 48, drawSettingsHome },
    { "Inventory/Add.png", { 16, 16 }, 16, drawAdd },
    { "Inventory/Remove.png", { 16, 16 }, 16, drawRemove },
};

QImage render(const Icon& icon)
{
    QImage image(icon.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(icon.size.width() / icon.grid, icon.size.width() / icon.grid);
    icon.draw(p);
    p.end();
    return image;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    const QStringList args = app.arguments();
    if (args.size() != 2) {
        err << "usage: drawIcons <output-root>\n";
        return 2;
    }
    const QDir root(args.at(1));

    int failures = 0;
    for (const Icon& icon : icons) {
        const QString path = root.filePath(QString::fromLatin1(icon.path));
        if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !render(icon).save(path, "PNG")) {
            err << "could not write " << path << "\n";
            ++failures;
            continue;
        }
        out << path << " (" << icon.size.width() << "x" << icon.size.height() << ")\n";
    }
    return failures == 0 ? 0 : 1;
}
