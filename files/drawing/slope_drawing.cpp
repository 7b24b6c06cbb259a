#include "files/drawing/slope_drawing.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "core/decimal.h"

namespace korvel {
namespace {

// A place in the drawing: CAD x (easting) and y (northing).
struct Place {
    double east = 0;
    double north = 0;
};

// The names are a fiftieth of the drawing's size high, so they stay readable whatever the
// slope's size; the arrowhead's wings are three name heights long, 20 degrees off the road.
constexpr double kNameHeightPerSize = 1.0 / 50.0;
constexpr double kArrowLengthInNames = 3.0;
constexpr double kArrowHalfAngle = 0.349;  // radians

// The largest coordinate drawn: far enough from overflow for every sum and scale below.
constexpr double kDrawingLimit = 1e300;

// A point of the outline in drawing axes.
Place place(StakePoint p) {
    return {p.y, p.x};
}

// A "0.000" coordinate text as a number; infinity when it lies beyond the doubles.
double number(std::string_view text) {
    double value = 0;
    if (std::from_chars(text.data(), text.data() + text.size(), value).ec != std::errc()) {
        return HUGE_VAL;
    }
    return value;
}

bool isDrawable(Place p) {
    return std::abs(p.east) <= kDrawingLimit && std::abs(p.north) <= kDrawingLimit;
}

// A computed place with its digits rounded to the millimetre.
DrawingPlace drawn(Place p) {
    return {p.east, p.north, formatFixed(p.east, 3), formatFixed(p.north, 3), {}};
}

// A stake point at the list's own digits.
DrawingPlace drawn(const StakeRow& row) {
    return {number(row.y), number(row.x), row.y, row.x, {}};
}

// `from` moved `length` along the azimuth `direction` (radians, clockwise from north).
Place along(Place from, double direction, double length) {
    return {from.east + std::sin(direction) * length, from.north + std::cos(direction) * length};
}

// The smallest box around the places given to it.
struct Extents {
    Place low{HUGE_VAL, HUGE_VAL};
    Place high{-HUGE_VAL, -HUGE_VAL};

    void add(Place p) {
        low = {std::min(low.east, p.east), std::min(low.north, p.north)};
        high = {std::max(high.east, p.east), std::max(high.north, p.north)};
    }
    bool empty() const { return low.east > high.east; }
    // The larger side, 1 for a box without size.
    double size() const {
        const double side = empty() ? 0.0 : std::max(high.east - low.east, high.north - low.north);
        return side > 0 && std::isfinite(side) ? side : 1.0;
    }
};

// The stretch of road, its arrowhead, and the two axes, for the outline of the quarter; the
// lines that would leave the drawable range are left out.
std::vector<DrawingLine> outlineLines(const SlopeOutline& outline, double halfRoad,
                                      double nameHeight) {
    const Place o = place(outline.roadCentre);
    const double forward = outline.roadAzimuth;
    const Place tip = along(o, forward, halfRoad);
    const double back = forward + std::acos(-1.0);
    const double wing = kArrowLengthInNames * nameHeight;
    const struct {
        Layer layer;
        Place from;
        Place to;
    } all[] = {
        {Layer::RoadCentreLine, along(o, forward, -halfRoad), tip},
        {Layer::RoadCentreLine, tip, along(tip, back - kArrowHalfAngle, wing)},
        {Layer::RoadCentreLine, tip, along(tip, back + kArrowHalfAngle, wing)},
        {Layer::LongAxis, o, place(outline.centre)},
        {Layer::LongAxis, place(outline.centre), place(outline.vertex)},
        {Layer::ShortAxis, place(outline.centre), place(outline.shortAxisEnd)},
    };
    std::vector<DrawingLine> kept;
    for (const auto& line : all) {
        if (isDrawable(line.from) && isDrawable(line.to)) {
            kept.push_back({line.layer, drawn(line.from), drawn(line.to)});
        }
    }
    return kept;
}

// A vertex of the surface as a drawing place, with its digits as LandXML writes them.
DrawingPlace surfacePlace(const SurfacePoint& p) {
    constexpr int kSurfaceDecimals = 4;
    return {p.y, p.x, formatFixed(p.y, kSurfaceDecimals), formatFixed(p.x, kSurfaceDecimals),
            formatFixed(p.z, kSurfaceDecimals)};
}

// The surface's triangles, each corner with its own height; none when a corner lies beyond
// the drawable range.
void appendSurface(Drawing& d, const SlopeSurface& surface) {
    for (const SurfacePoint& p : surface.points) {
        if (!isDrawable({p.y, p.x})) {
            return;
        }
    }
    std::vector<DrawingPlace> places;
    places.reserve(surface.points.size());
    for (const SurfacePoint& p : surface.points) {
        places.push_back(surfacePlace(p));
    }
    for (const SurfaceFace& f : surface.faces) {
        d.entities.emplace_back(
            DrawingFace{Layer::SlopeSurface, {places[f[0]], places[f[1]], places[f[2]]}});
    }
}

}  // namespace

SlopeDrawing layOutSlope(std::span<const NamedPoints> lines,
                         const std::optional<SlopeOutline>& outline, const SlopeInHeight* heights) {
    SlopeDrawing result;
    Drawing& d = result.drawing;
    d.elevationDigits = lines.empty() ? "0.000" : std::string(lines.front().elevation);

    // The slope itself: the points of every line, each line above the toe at its own height,
    // and the ends of its axes.
    std::vector<std::vector<DrawingPlace>> points(lines.size());
    Extents extents;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        points[k].reserve(lines[k].rows.size());
        for (const StakeRow& row : lines[k].rows) {
            points[k].push_back(drawn(row));
            if (k > 0) {
                points[k].back().heightDigits = lines[k].elevation;
            }
            const Place at{points[k].back().east, points[k].back().north};
            if (!isDrawable(at)) {
                result.problem = problemAbout(ProblemCode::CoordinateBeyondDrawing,
                                              pointName(lines[k].prefix, row));
                return result;
            }
            extents.add(at);
        }
    }
    // The lines above the toe that are drawn but not staked: the top line alone, without layers.
    std::vector<std::vector<DrawingPlace>> drawnLines;
    if (heights != nullptr) {
        for (const PointLine& line : heights->lines) {
            std::vector<DrawingPlace>& places = drawnLines.emplace_back();
            for (const StakeRow& row : line.rows) {
                places.push_back(drawn(row));
                places.back().heightDigits = line.elevation;
                if (isDrawable({places.back().east, places.back().north})) {
                    extents.add({places.back().east, places.back().north});
                }
            }
        }
    }
    std::vector<Place> outlinePlaces;
    if (outline) {
        for (const StakePoint p :
             {outline->roadCentre, outline->centre, outline->vertex, outline->shortAxisEnd}) {
            if (isDrawable(place(p))) {
                outlinePlaces.push_back(place(p));
                extents.add(place(p));
            }
        }
    }
    d.textHeightDigits = formatFixed(std::max(extents.size() * kNameHeightPerSize, 0.001), 3);
    d.textHeight = number(d.textHeightDigits);
    const double nameGap = d.textHeight / 2;

    // The road reaches as far from O as the farthest part of the slope, on both sides.
    std::vector<DrawingLine> roadAndAxes;
    if (outline) {
        const Place o = place(outline->roadCentre);
        double reach = 0;
        for (const std::vector<DrawingPlace>& line : points) {
            for (const DrawingPlace& p : line) {
                reach = std::max(reach, std::hypot(p.east - o.east, p.north - o.north));
            }
        }
        for (const Place p : outlinePlaces) {
            reach = std::max(reach, std::hypot(p.east - o.east, p.north - o.north));
        }
        roadAndAxes = outlineLines(*outline, std::max(reach, extents.size()), d.textHeight);
        for (const DrawingLine& line : roadAndAxes) {
            extents.add({line.from.east, line.from.north});
            extents.add({line.to.east, line.to.north});
        }
    }
    const Extents box = extents.empty() ? Extents{{0, 0}, {0, 0}} : extents;
    d.low = drawn(box.low);
    d.high = drawn(box.high);

    for (std::size_t k = 0; k < lines.size(); ++k) {
        for (std::size_t r = 0; r < lines[k].rows.size(); ++r) {
            DrawingPlace name = drawn({points[k][r].east + nameGap, points[k][r].north + nameGap});
            name.heightDigits = points[k][r].heightDigits;
            d.entities.emplace_back(DrawingPoint{Layer::StakePoint, points[k][r]});
            d.entities.emplace_back(DrawingText{Layer::StakeName, std::move(name),
                                                pointName(lines[k].prefix, lines[k].rows[r])});
        }
    }
    if (!points.empty() && points[0].size() >= 2) {
        d.entities.emplace_back(DrawingPolyline{Layer::ToeLine, std::move(points[0])});
    }
    for (std::size_t k = 0; k < drawnLines.size(); ++k) {
        if (drawnLines[k].size() >= 2 &&
            std::all_of(drawnLines[k].begin(), drawnLines[k].end(), [](const DrawingPlace& p) {
                return isDrawable({p.east, p.north});
            })) {
            const Layer layer = k + 1 == drawnLines.size() ? Layer::TopLine : Layer::LayerLine;
            d.entities.emplace_back(DrawingPolyline{layer, std::move(drawnLines[k])});
        }
    }
    if (outline && isDrawable(place(outline->roadCentre))) {
        const Place o = place(outline->roadCentre);
        d.entities.emplace_back(DrawingPoint{Layer::RoadCentrePoint, drawn(o)});
        d.entities.emplace_back(
            DrawingText{Layer::RoadCentrePoint, drawn({o.east + nameGap, o.north + nameGap}), "O"});
    }
    for (DrawingLine& line : roadAndAxes) {
        d.entities.emplace_back(std::move(line));
    }
    if (heights != nullptr) {
        appendSurface(d, heights->surface);
    }
    return result;
}

}  // namespace korvel
