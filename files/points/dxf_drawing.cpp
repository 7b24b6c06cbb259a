#include "files/points/dxf_drawing.h"

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

// A straight line of the drawing on its layer.
struct Segment {
    const char* layer;
    Place from;
    Place to;
};

// The layers and their colours (AutoCAD colour index).
constexpr std::pair<const char*, int> kLayers[] = {
    {"0", 7},         {"STAKE_POINT", 6},       {"STAKE_NAME", 7},
    {"TOE_LINE", 3},  {"ROAD_CENTRE_POINT", 1}, {"ROAD_CENTRE_LINE", 1},
    {"LONG_AXIS", 5}, {"SHORT_AXIS", 5},
};

// The names are a fiftieth of the drawing's size high, so they stay readable whatever the
// slope's size; the arrowhead's wings are three name heights long, 20 degrees off the road.
constexpr double kNameHeightPerSize = 1.0 / 50.0;
constexpr double kArrowLengthInNames = 3.0;
constexpr double kArrowHalfAngle = 0.349;  // radians

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

// The largest coordinate drawn: far enough from overflow for every sum and scale below.
constexpr double kDrawingLimit = 1e300;

bool isDrawable(Place p) {
    return std::abs(p.east) <= kDrawingLimit && std::abs(p.north) <= kDrawingLimit;
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

// Writes DXF group pairs: the code right-aligned in three places, the value, each on a line.
struct DxfWriter {
    std::string out;
    std::string_view z;

    void group(int code, std::string_view value) {
        const std::string digits = std::to_string(code);
        out.append(3 - std::min<std::size_t>(3, digits.size()), ' ').append(digits);
        out.append("\r\n").append(value).append("\r\n");
    }
    void group(int code, double value) { group(code, formatFixed(value, 3)); }
    // The x, y and z of a place as codes 10+k, 20+k, 30+k.
    void at(Place p, int k = 0) {
        group(10 + k, p.east);
        group(20 + k, p.north);
        group(30 + k, z);
    }
    void entity(const char* type, const char* layer) {
        group(0, type);
        group(8, layer);
    }
};

// The stretch of road, its arrowhead, and the two axes, for the outline of the quarter.
std::vector<Segment> outlineSegments(const SlopeOutline& outline, double halfRoad,
                                     double nameHeight) {
    const Place o = place(outline.roadCentre);
    const double forward = outline.roadAzimuth;
    const Place tip = along(o, forward, halfRoad);
    const double back = forward + std::acos(-1.0);
    const double wing = kArrowLengthInNames * nameHeight;
    const std::array<Segment, 6> all = {{
        {"ROAD_CENTRE_LINE", along(o, forward, -halfRoad), tip},
        {"ROAD_CENTRE_LINE", tip, along(tip, back - kArrowHalfAngle, wing)},
        {"ROAD_CENTRE_LINE", tip, along(tip, back + kArrowHalfAngle, wing)},
        {"LONG_AXIS", o, place(outline.centre)},
        {"LONG_AXIS", place(outline.centre), place(outline.vertex)},
        {"SHORT_AXIS", place(outline.centre), place(outline.shortAxisEnd)},
    }};
    std::vector<Segment> kept;
    for (const Segment& s : all) {
        if (isDrawable(s.from) && isDrawable(s.to)) {
            kept.push_back(s);
        }
    }
    return kept;
}

// HEADER: the version, the extents, and points shown as a circle with a cross of the names'
// height, so that CAD programs show them at every zoom.
void writeHeader(DxfWriter& w, const Extents& extents, std::string_view pointSize) {
    const Extents box = extents.empty() ? Extents{{0, 0}, {0, 0}} : extents;
    w.group(0, "SECTION");
    w.group(2, "HEADER");
    w.group(9, "$ACADVER");
    w.group(1, "AC1009");
    w.group(9, "$EXTMIN");
    w.at(box.low);
    w.group(9, "$EXTMAX");
    w.at(box.high);
    w.group(9, "$PDMODE");
    w.group(70, "34");
    w.group(9, "$PDSIZE");
    w.group(40, pointSize);
    w.group(0, "ENDSEC");
}

// TABLES: the solid line type, the layers, the standard text style.
void writeTables(DxfWriter& w) {
    w.group(0, "SECTION");
    w.group(2, "TABLES");
    w.group(0, "TABLE");
    w.group(2, "LTYPE");
    w.group(70, "1");
    w.group(0, "LTYPE");
    w.group(2, "CONTINUOUS");
    w.group(70, "0");
    w.group(3, "Solid line");
    w.group(72, "65");
    w.group(73, "0");
    w.group(40, "0.0");
    w.group(0, "ENDTAB");
    w.group(0, "TABLE");
    w.group(2, "LAYER");
    w.group(70, std::to_string(std::size(kLayers)));
    for (const auto& [name, colour] : kLayers) {
        w.group(0, "LAYER");
        w.group(2, name);
        w.group(70, "0");
        w.group(62, std::to_string(colour));
        w.group(6, "CONTINUOUS");
    }
    w.group(0, "ENDTAB");
    w.group(0, "TABLE");
    w.group(2, "STYLE");
    w.group(70, "1");
    w.group(0, "STYLE");
    w.group(2, "STANDARD");
    w.group(70, "0");
    w.group(40, "0.0");
    w.group(41, "1.0");
    w.group(50, "0.0");
    w.group(71, "0");
    w.group(42, "1.0");
    w.group(3, "txt");
    w.group(4, "");
    w.group(0, "ENDTAB");
    w.group(0, "ENDSEC");
}

// A TEXT on `layer`, its lower left corner at `corner`.
void writeText(DxfWriter& w, const char* layer, Place corner, std::string_view height,
               std::string_view text) {
    w.entity("TEXT", layer);
    w.at(corner);
    w.group(40, height);
    w.group(1, text);
}

}  // namespace

DxfFile encodeDxf(const std::vector<NamedPoint>& points, std::string_view elevation,
                  const std::optional<SlopeOutline>& outline) {
    // The slope itself: its points and the ends of its axes.
    std::vector<Place> at;
    at.reserve(points.size());
    std::vector<Place> slope;
    for (const NamedPoint& p : points) {
        at.push_back({number(p.y), number(p.x)});
        if (!isDrawable(at.back())) {
            return {{}, "点" + p.name + "的坐标超出绘图范围"};
        }
    }
    slope = at;
    if (outline) {
        for (const StakePoint p :
             {outline->roadCentre, outline->centre, outline->vertex, outline->shortAxisEnd}) {
            if (isDrawable(place(p))) {
                slope.push_back(place(p));
            }
        }
    }
    Extents extents;
    for (const Place p : slope) {
        extents.add(p);
    }
    const std::string nameHeight =
        formatFixed(std::max(extents.size() * kNameHeightPerSize, 0.001), 3);
    const double nameGap = number(nameHeight) / 2;

    // The road reaches as far from O as the farthest part of the slope, on both sides.
    std::vector<Segment> segments;
    if (outline) {
        const Place o = place(outline->roadCentre);
        double reach = 0;
        for (const Place p : slope) {
            reach = std::max(reach, std::hypot(p.east - o.east, p.north - o.north));
        }
        segments = outlineSegments(*outline, std::max(reach, extents.size()), number(nameHeight));
        for (const Segment& s : segments) {
            extents.add(s.from);
            extents.add(s.to);
        }
    }

    DxfWriter w{{}, elevation};
    w.out.reserve(4096 + points.size() * 420);
    writeHeader(w, extents, nameHeight);
    writeTables(w);
    w.group(0, "SECTION");
    w.group(2, "ENTITIES");
    for (std::size_t k = 0; k < points.size(); ++k) {
        w.entity("POINT", "STAKE_POINT");
        w.group(10, points[k].y);
        w.group(20, points[k].x);
        w.group(30, elevation);
        writeText(w, "STAKE_NAME", {at[k].east + nameGap, at[k].north + nameGap}, nameHeight,
                  points[k].name);
    }
    if (points.size() >= 2) {
        w.entity("POLYLINE", "TOE_LINE");
        w.group(66, "1");
        w.at({0, 0});
        w.group(70, "8");  // a 3D polyline
        for (const NamedPoint& p : points) {
            w.entity("VERTEX", "TOE_LINE");
            w.group(10, p.y);
            w.group(20, p.x);
            w.group(30, elevation);
            w.group(70, "32");  // a vertex of a 3D polyline
        }
        w.entity("SEQEND", "TOE_LINE");
    }
    if (outline && isDrawable(place(outline->roadCentre))) {
        const Place o = place(outline->roadCentre);
        w.entity("POINT", "ROAD_CENTRE_POINT");
        w.at(o);
        writeText(w, "ROAD_CENTRE_POINT", {o.east + nameGap, o.north + nameGap}, nameHeight, "O");
    }
    for (const Segment& s : segments) {
        w.entity("LINE", s.layer);
        w.at(s.from);
        w.at(s.to, 1);
    }
    w.group(0, "ENDSEC");
    w.group(0, "EOF");
    return {std::move(w.out), {}};
}

}  // namespace korvel
