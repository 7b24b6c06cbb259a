#include "ui/artwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

#include "ui/look.h"

namespace korvel {

namespace {

// Geometry of the diagram: the ellipse centre O, its semi-axes, the road's forward
// direction (up and to the left, 115° from the long axis measured anticlockwise on the
// page) and the horizontal half-width of the band, which is the distance D.
constexpr QPointF kCentre(122.0, 76.0);
constexpr double kRx = 92.0;
constexpr double kRy = 44.0;
constexpr double kRoadDeg = 115.0;
constexpr double kBandHalf = 14.0;

// The unit vector of the road's forward direction on the page (y grows downwards).
QPointF roadDirection() {
    const double r = qDegreesToRadians(kRoadDeg);
    return {std::cos(r), -std::sin(r)};
}

// The point of the road centre line, shifted sideways by `shift`, at page height `y`.
QPointF onRoadLine(double y, double shift) {
    const QPointF dir = roadDirection();
    const double t = (y - kCentre.y()) / dir.y();
    return {kCentre.x() + shift + t * dir.x(), y};
}

// A filled arrowhead with its tip at `tip`, pointing along `dir` (a unit vector).
void arrowHead(QPainter& p, QPointF tip, QPointF dir, double len = 6.0) {
    const QPointF side(-dir.y(), dir.x());
    const QPointF base = tip - dir * len;
    p.drawPolygon(QPolygonF{tip, base + side * (len * 0.4), base - side * (len * 0.4)});
}

// A dimension line from `a` to `b` with arrowheads at both ends.
void dimension(QPainter& p, QPointF a, QPointF b) {
    p.drawLine(a, b);
    const QPointF d = b - a;
    const QPointF u = d / std::hypot(d.x(), d.y());
    arrowHead(p, b, u, 4.5);
    arrowHead(p, a, -u, 4.5);
}

// One line of text with its top-left corner at (x, y).
void label(QPainter& p, double x, double y, const QString& text) {
    p.drawText(QRectF(x, y, 80, 12), Qt::AlignLeft | Qt::AlignVCenter, text);
}

// The parallelogram of the band: the two lines beside the road, closed at the ellipse's
// top and bottom edges.
QPolygonF bandOutline() {
    const double top = kCentre.y() - kRy;
    const double bottom = kCentre.y() + kRy;
    return QPolygonF{onRoadLine(top, -kBandHalf), onRoadLine(top, kBandHalf),
                     onRoadLine(bottom, kBandHalf), onRoadLine(bottom, -kBandHalf)};
}

// The ellipse outline outside the band: upper half green, lower half red.
void drawEllipseArcs(QPainter& p) {
    const QRectF box(kCentre.x() - kRx, kCentre.y() - kRy, 2 * kRx, 2 * kRy);
    QPainterPath outside;
    outside.addRect(0, 0, kDiagramWidth, kDiagramHeight);
    QPainterPath band;
    band.addPolygon(bandOutline());
    band.closeSubpath();
    p.save();
    p.setClipPath(outside.subtracted(band));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 150, 0), 1.6));
    p.drawArc(box, 0, 180 * 16);
    p.setPen(QPen(QColor(210, 0, 0), 1.6));
    p.drawArc(box, 180 * 16, 180 * 16);
    p.restore();
}

// The red long axis and the road centre line with its forward arrow and caption.
void drawAxes(QPainter& p) {
    const QColor red(210, 0, 0);
    p.setPen(QPen(red, 1.0));
    p.drawLine(QPointF(kCentre.x() - kRx - 8, kCentre.y()),
               QPointF(kCentre.x() + kRx + 8, kCentre.y()));
    const QPointF tip = onRoadLine(4.0, 0.0);
    const QPointF tail = onRoadLine(kDiagramHeight - 2.0, 0.0);
    p.drawLine(tail, tip);
    p.setBrush(red);
    arrowHead(p, tip, roadDirection(), 7.0);
    p.setPen(Qt::black);
    p.drawText(QRectF(0, 2, tip.x() - 4, 12), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("路线前进方向"));
    // The centre point O, its name, and the caption with a leader line.
    p.setPen(Qt::NoPen);
    p.drawEllipse(kCentre, 2.6, 2.6);
    p.setPen(Qt::black);
    label(p, kCentre.x() + 4, kCentre.y() + 1, QStringLiteral("O"));
    const QPointF caption(kCentre.x() - 44, kCentre.y() + 54);
    label(p, caption.x() - 42, caption.y() - 6, QStringLiteral("路线中心"));
    p.setPen(QPen(Qt::gray, 0.7));
    p.drawLine(caption, kCentre + QPointF(-2, 2));
}

// The blue band: two lines beside the road and the two horizontal edges closing them.
void drawBand(QPainter& p) {
    p.setPen(QPen(QColor(0, 60, 220), 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(bandOutline());
}

// The angle β, turning clockwise from the road's forward direction to the long axis.
void drawBeta(QPainter& p) {
    const double r = 15.0;
    p.setPen(QPen(Qt::black, 0.9));
    p.setBrush(Qt::NoBrush);
    const QRectF box(kCentre.x() - r, kCentre.y() - r, 2 * r, 2 * r);
    p.drawArc(box, 5 * 16, static_cast<int>((kRoadDeg - 5) * 16));
    p.setBrush(Qt::black);
    arrowHead(p, QPointF(kCentre.x() + r, kCentre.y() - 0.5), QPointF(0.1, 0.995), 5.0);
    const double mid = qDegreesToRadians(32.0);
    label(p, kCentre.x() + 22 * std::cos(mid) - 3, kCentre.y() - 22 * std::sin(mid) - 6,
          QStringLiteral("β"));
}

// The dimensions a, b and D with their captions.
void drawDimensions(QPainter& p) {
    p.setPen(QPen(Qt::black, 0.8));
    p.setBrush(Qt::black);
    // b: parallel to the road, from the long axis up to the ellipse's top edge.
    const double shift = kBandHalf + 30.0;
    const QPointF bLow = onRoadLine(kCentre.y(), shift);
    const QPointF bHigh = onRoadLine(kCentre.y() - kRy, shift);
    dimension(p, bLow, bHigh);
    const QPointF bMid = (bLow + bHigh) / 2;
    label(p, bMid.x() + 2, bMid.y() - 14, QStringLiteral("b"));
    label(p, bMid.x() + 6, bMid.y() + 1, QStringLiteral("短轴"));
    // a: along the long axis, from the right-hand band line to the ellipse's right end,
    // with its name and caption above it.
    const QPointF aFrom(kCentre.x() + kBandHalf, kCentre.y());
    const QPointF aTo(kCentre.x() + kRx, kCentre.y());
    dimension(p, aFrom, aTo);
    label(p, aTo.x() - 32, kCentre.y() - 13, QStringLiteral("a"));
    label(p, aTo.x() - 24, kCentre.y() - 13, QStringLiteral("长轴"));
    // D: below the band, from the road centre line to the right-hand band line.
    const double y = kCentre.y() + kRy + 9.0;
    const QPointF dFrom = onRoadLine(y, 0.0);
    const QPointF dTo = onRoadLine(y, kBandHalf);
    dimension(p, dFrom, dTo);
    label(p, dTo.x() + 3, y - 6, QStringLiteral("D"));
}

// The names of the four positions, clockwise from the upper left.
void drawPositions(QPainter& p) {
    p.setPen(Qt::black);
    const double top = kCentre.y() - 26;
    const double bottom = kCentre.y() + 14;
    label(p, kCentre.x() - 74, top, QStringLiteral("位置1"));
    label(p, kCentre.x() + 68, top - 12, QStringLiteral("位置2"));
    label(p, kCentre.x() + 52, bottom, QStringLiteral("位置3"));
    label(p, kCentre.x() - 74, bottom, QStringLiteral("位置4"));
}

// A transparent square image of `size` pixels to paint an icon on.
QImage transparentSquare(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// The program's picture on a 64-unit square: a green ground crossed by a road, a quarter of
// the slope's ellipse with the staked points on it, and a flagged stake.
void paintIcon(QPainter& p) {
    // A green ground with a road crossing it diagonally.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(46, 125, 50));
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    p.setBrush(QColor(120, 120, 120));
    p.drawPolygon(QPolygonF{{14, 62}, {28, 62}, {50, 2}, {36, 2}});
    // A quarter of the slope's ellipse, with the staked points on it.
    p.setPen(QPen(QColor(255, 213, 79), 4.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-14, 22, 72, 40), 0, 90 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(229, 57, 53));
    for (const double deg : {0.0, 30.0, 60.0, 90.0}) {
        const double r = qDegreesToRadians(deg);
        p.drawEllipse(QPointF(22 + 36 * std::cos(r), 42 - 20 * std::sin(r)), 3.6, 3.6);
    }
    // A stake with a flag at the right.
    p.setBrush(Qt::white);
    p.drawRect(QRectF(50, 14, 3, 34));
    p.setBrush(QColor(229, 57, 53));
    p.drawPolygon(QPolygonF{{53, 14}, {62, 18}, {53, 22}});
}

}  // namespace

QPicture slopeDiagram() {
    QPicture picture;
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRectF(0, 0, kDiagramWidth, kDiagramHeight), Qt::white);
    QFont small = songFont(9);
    small.setPixelSize(10);
    p.setFont(small);
    drawBand(p);
    drawEllipseArcs(p);
    drawAxes(p);
    drawBeta(p);
    drawDimensions(p);
    drawPositions(p);
    p.end();
    picture.setBoundingRect(QRect(0, 0, kDiagramWidth, kDiagramHeight));
    return picture;
}

QImage iconImage(int size) {
    QImage image = transparentSquare(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    paintIcon(p);
    return image;
}

QImage fileTypeIconImage(int size) {
    QImage image = transparentSquare(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    // A white sheet with its upper right corner folded over.
    p.setPen(QPen(QColor(97, 97, 97), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF{{9, 2}, {41, 2}, {55, 16}, {55, 62}, {9, 62}});
    p.setBrush(QColor(224, 224, 224));
    p.drawPolygon(QPolygonF{{41, 2}, {41, 16}, {55, 16}});
    // The program's picture on the sheet.
    p.translate(12, 22);
    p.scale(40 / 64.0, 40 / 64.0);
    paintIcon(p);
    return image;
}

QIcon appIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addPixmap(QPixmap::fromImage(iconImage(size)));
    }
    return icon;
}

}  // namespace korvel
