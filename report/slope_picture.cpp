#include "report/slope_picture.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <vector>

#include "report/sheet_layout.h"

namespace korvel {
namespace {

// Room around the drawing inside its box, in points, for the names and the arrow.
constexpr double kInset = 24.0;
// A stake point's marker radius and the names' size, in points.
constexpr double kMarkerRadius = 1.3;
constexpr double kNamePointSize = 6.5;
// The scale bar is at most this long on paper.
constexpr double kLongestBar = 90.0;
// Cells of the grid that remembers where names were painted, in points.
constexpr double kCell = 2.0;

// The ink of each layer: the DXF colours, darkened where they would be faint on paper.
QColor layerColour(Layer layer) {
    switch (layer) {
        case Layer::StakePoint:
            return QColor(160, 0, 160);
        case Layer::ToeLine:
            return QColor(0, 130, 0);
        case Layer::RoadCentrePoint:
        case Layer::RoadCentreLine:
            return QColor(200, 0, 0);
        case Layer::LongAxis:
        case Layer::ShortAxis:
            return QColor(0, 0, 200);
        case Layer::LayerLine:
            return QColor(0, 140, 160);
        case Layer::TopLine:
            return QColor(170, 110, 0);
        case Layer::SlopeSurface:
        case Layer::ShotOff:
            return QColor(150, 150, 150);
        case Layer::ShotWithin:
            return QColor(0, 130, 0);
        case Layer::ShotHigh:
            return QColor(200, 0, 0);
        case Layer::ShotLow:
            return QColor(0, 0, 200);
        case Layer::Zero:
        case Layer::StakeName:
            break;
    }
    return Qt::black;
}

// The page position of a drawing place.
QPointF toPaper(const PictureScale& s, const DrawingPlace& p) {
    return {s.originX + (p.east - s.lowEast) * s.scale,
            s.originY - (p.north - s.lowNorth) * s.scale};
}

// The places painted names cover, on a grid of small cells over the box.
struct NameGrid {
    QRectF box;
    int columns = 0;
    int rows = 0;
    std::vector<bool> taken;
};

// A grid over `box` with nothing painted yet.
NameGrid emptyGrid(const QRectF& box) {
    const int columns = static_cast<int>(std::ceil(box.width() / kCell));
    const int rows = static_cast<int>(std::ceil(box.height() / kCell));
    return {box, columns, rows, std::vector<bool>(static_cast<std::size_t>(columns * rows))};
}

// Marks the cells of `rect` as taken unless one of them already is; false then.
bool takeCells(NameGrid& grid, const QRectF& rect) {
    const QRectF r = rect.intersected(grid.box).translated(-grid.box.topLeft());
    if (r.isEmpty()) {
        return false;
    }
    const int c0 = static_cast<int>(r.left() / kCell);
    const int c1 = std::min(grid.columns - 1, static_cast<int>(r.right() / kCell));
    const int r0 = static_cast<int>(r.top() / kCell);
    const int r1 = std::min(grid.rows - 1, static_cast<int>(r.bottom() / kCell));
    for (int row = r0; row <= r1; ++row) {
        for (int c = c0; c <= c1; ++c) {
            if (grid.taken[static_cast<std::size_t>(row * grid.columns + c)]) {
                return false;
            }
        }
    }
    for (int row = r0; row <= r1; ++row) {
        for (int c = c0; c <= c1; ++c) {
            grid.taken[static_cast<std::size_t>(row * grid.columns + c)] = true;
        }
    }
    return true;
}

// A north arrow: a shaft with a filled head and "N" above, its tip at `tip`.
void paintNorthArrow(QPainter& painter, QPointF tip, const QFont& font) {
    painter.setPen(QPen(Qt::black, 0.8));
    painter.drawLine(tip, tip + QPointF(0, 26));
    QPolygonF head;
    head << tip << tip + QPointF(-4, 10) << tip + QPointF(4, 10);
    painter.setBrush(Qt::black);
    painter.drawPolygon(head);
    painter.setBrush(Qt::NoBrush);
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    painter.drawText(tip + QPointF(-metrics.horizontalAdvance(QStringLiteral("N")) / 2, -3),
                     QStringLiteral("N"));
}

// A length in metres with as few digits as it needs: 0.05 -> "0.05 m", 2000 -> "2000 m".
QString metres(double length) {
    char digits[64];
    const auto end =
        std::to_chars(digits, digits + sizeof digits, length, std::chars_format::fixed).ptr;
    return QString::fromLatin1(digits, static_cast<int>(end - digits)) + QStringLiteral(" m");
}

// A scale bar with its ends ticked and its length written above it, starting at `start`.
void paintScaleBar(QPainter& painter, QPointF start, double scale, const QFont& font) {
    if (!(scale > 0) || !std::isfinite(kLongestBar / scale)) {
        return;
    }
    const double length = scaleBarLength(kLongestBar / scale);
    const QPointF end = start + QPointF(length * scale, 0);
    painter.setPen(QPen(Qt::black, 0.8));
    painter.drawLine(start, end);
    painter.drawLine(start, start + QPointF(0, -4));
    painter.drawLine(end, end + QPointF(0, -4));
    painter.setFont(font);
    painter.drawText(start + QPointF(0, -6), metres(length));
}

// A point marker: a small circle with a cross, as CAD shows a point.
void paintMarker(QPainter& painter, QPointF at) {
    painter.drawEllipse(at, kMarkerRadius, kMarkerRadius);
    painter.drawLine(at - QPointF(kMarkerRadius, 0), at + QPointF(kMarkerRadius, 0));
    painter.drawLine(at - QPointF(0, kMarkerRadius), at + QPointF(0, kMarkerRadius));
}

// A shot of a check, marked by its result so that it reads in black and white too: a ring
// within the tolerance, a filled triangle pointing up above it and down below it, a cross off
// the slope.
void paintShotMarker(QPainter& painter, QPointF at, Layer layer) {
    constexpr double r = 2.2;
    painter.setPen(QPen(layerColour(layer), 0.6));
    if (layer == Layer::ShotWithin) {
        painter.drawEllipse(at, r * 0.8, r * 0.8);
        return;
    }
    if (layer == Layer::ShotOff) {
        painter.drawLine(at + QPointF(-r, -r), at + QPointF(r, r));
        painter.drawLine(at + QPointF(-r, r), at + QPointF(r, -r));
        return;
    }
    const double tip = layer == Layer::ShotHigh ? -r : r;  // the page's y grows downwards
    QPolygonF triangle;
    triangle << at + QPointF(0, tip) << at + QPointF(-r, -tip) << at + QPointF(r, -tip);
    painter.setBrush(layerColour(layer));
    painter.drawPolygon(triangle);
    painter.setBrush(Qt::NoBrush);
}

// Whether `layer` holds the shots of a check.
bool isShot(Layer layer) {
    return layer == Layer::ShotWithin || layer == Layer::ShotHigh || layer == Layer::ShotLow ||
           layer == Layer::ShotOff;
}

// The vertices of a line on paper, leaving out each vertex closer than a tenth of a point to
// the last one kept: a long list's thousands of toe-line vertices a hair apart look the
// same, and the page stays small. The last vertex is always kept.
QPolygonF paperVertices(const PictureScale& s, const std::vector<DrawingPlace>& places) {
    constexpr double kClosest = 0.1;
    QPolygonF vertices;
    for (std::size_t k = 0; k < places.size(); ++k) {
        const QPointF p = toPaper(s, places[k]);
        if (vertices.isEmpty() || k + 1 == places.size() ||
            std::abs(p.x() - vertices.last().x()) + std::abs(p.y() - vertices.last().y()) >=
                kClosest) {
            vertices << p;
        }
    }
    return vertices;
}

// What has been painted where, so that a long list's crowded stake markers and names are
// painted once and not over one another.
struct Crowding {
    NameGrid names;
    NameGrid markers;
};

// One entity of the drawing in its layer's ink; a marker only where no marker is yet, a name
// only where it covers no other name. The surface's triangles are not painted: seen from above
// they would only grey over the lines.
void paintEntity(QPainter& painter, const PictureScale& s, const DrawingEntity& entity,
                 const QFontMetricsF& metrics, Crowding& crowding) {
    if (const auto* point = std::get_if<DrawingPoint>(&entity)) {
        const QPointF at = toPaper(s, point->at);
        if (isShot(point->layer)) {
            paintShotMarker(painter, at, point->layer);
            return;
        }
        if (point->layer != Layer::StakePoint ||
            takeCells(crowding.markers, QRectF(at, QSizeF(0.1, 0.1)))) {
            painter.setPen(QPen(layerColour(point->layer), 0.5));
            paintMarker(painter, at);
        }
    } else if (const auto* text = std::get_if<DrawingText>(&entity)) {
        const QString words = QString::fromStdString(text->text);
        const QPointF corner = toPaper(s, text->corner);
        // The ink of the name, a half point in from each side, so that names that only
        // touch are both painted.
        const QRectF covered(corner.x() + 0.5, corner.y() - metrics.ascent() + 0.5,
                             metrics.horizontalAdvance(words) - 1,
                             metrics.ascent() + metrics.descent() - 1);
        if (takeCells(crowding.names, covered)) {
            painter.setPen(layerColour(text->layer));
            painter.drawText(corner, words);
        }
    } else if (const auto* line = std::get_if<DrawingLine>(&entity)) {
        painter.setPen(QPen(layerColour(line->layer), 0.7));
        painter.drawLine(toPaper(s, line->from), toPaper(s, line->to));
    } else if (const auto* polyline = std::get_if<DrawingPolyline>(&entity)) {
        painter.setPen(QPen(layerColour(polyline->layer), 0.7));
        painter.drawPolyline(paperVertices(s, polyline->vertices));
    }
}

}  // namespace

// The larger of the two scales would push one side out of the area, so the smaller is taken;
// the leftover room is shared equally on both sides.
PictureScale fitPicture(const Drawing& drawing, const QRectF& area) {
    const double wide = drawing.high.east - drawing.low.east;
    const double high = drawing.high.north - drawing.low.north;
    constexpr double kNone = std::numeric_limits<double>::infinity();
    double scale =
        std::min(wide > 0 ? area.width() / wide : kNone, high > 0 ? area.height() / high : kNone);
    if (!std::isfinite(scale) || !(scale > 0)) {
        scale = std::min(area.width(), area.height());
    }
    const double spareX = area.width() - std::max(wide, 0.0) * scale;
    const double spareY = area.height() - std::max(high, 0.0) * scale;
    return {scale, area.left() + spareX / 2, area.bottom() - spareY / 2, drawing.low.east,
            drawing.low.north};
}

// The entities go in drawing order, so the points lie under the lines as in the DXF file.
void paintSlopePicture(QPainter& painter, const QRectF& box, const Drawing& drawing,
                       const QFont& font) {
    painter.save();
    painter.setPen(QPen(Qt::black, 0.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box);
    painter.setClipRect(box);
    QFont small = font;
    small.setPointSizeF(kNamePointSize);
    const QFontMetricsF metrics(small, painter.device());
    painter.setFont(small);
    painter.drawText(box.topLeft() + QPointF(4, 4 + metrics.ascent()), QStringLiteral("示意图"));
    const PictureScale s = fitPicture(drawing, box.adjusted(kInset, kInset, -kInset, -kInset));
    Crowding crowding{emptyGrid(box), emptyGrid(box)};
    for (const DrawingEntity& entity : drawing.entities) {
        paintEntity(painter, s, entity, metrics, crowding);
    }
    QFont label = font;
    label.setPointSizeF(8);
    paintNorthArrow(painter, box.topRight() + QPointF(-16, 14), label);
    paintScaleBar(painter, box.bottomLeft() + QPointF(8, -8), s.scale, label);
    painter.restore();
}

}  // namespace korvel
