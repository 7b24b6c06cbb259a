// A drawing as plain data: layers, points, texts, lines and polylines in the order they are
// drawn, each place carrying the digits a file writes for it. The DXF writer writes any such
// drawing; the printed sheets paint the same one.
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace korvel {

// Each kind of thing drawn has its own layer.
enum class Layer {
    Zero,             // AutoCAD's own layer "0", always present
    StakePoint,       // a stake point, at the list's own digits
    StakeName,        // the name beside a stake point
    ToeLine,          // the toe of the slope through the stake points in their order
    RoadCentrePoint,  // the road centre point O and its letter
    RoadCentreLine,   // a stretch of the road centre line with an arrowhead forward
    LongAxis,         // from O through the quarter's centre to the vertex
    ShortAxis,        // from the quarter's centre to the end of the short axis
    LayerLine,        // the line of a fill layer, at its elevation
    TopLine,          // the top line of the slope, at the top's elevation
    SlopeSurface,     // the triangles of the slope's design surface
    ShotWithin,       // a point shot on the slope, within the tolerance of its design
    ShotHigh,         // a point shot above its design beyond the tolerance: to cut
    ShotLow,          // a point shot below its design beyond the tolerance: to fill
    ShotOff,          // a point shot off the slope: beyond the toe or behind its lines
};

// A layer's name in a drawing file and its colour (AutoCAD colour index); a layer of the
// slope's heights or of its checked shots is listed only by a drawing that draws on it.
struct LayerStyle {
    Layer layer;
    std::string_view name;
    int colour;
    bool heightsOnly = false;
};

// Every layer, in the order a drawing file lists them.
inline constexpr LayerStyle kLayerStyles[] = {
    {Layer::Zero, "0", 7},
    {Layer::StakePoint, "STAKE_POINT", 6},
    {Layer::StakeName, "STAKE_NAME", 7},
    {Layer::ToeLine, "TOE_LINE", 3},
    {Layer::RoadCentrePoint, "ROAD_CENTRE_POINT", 1},
    {Layer::RoadCentreLine, "ROAD_CENTRE_LINE", 1},
    {Layer::LongAxis, "LONG_AXIS", 5},
    {Layer::ShortAxis, "SHORT_AXIS", 5},
    {Layer::LayerLine, "LAYER_LINE", 4, true},
    {Layer::TopLine, "TOP_LINE", 2, true},
    {Layer::SlopeSurface, "SLOPE_SURFACE", 8, true},
    {Layer::ShotWithin, "SHOT_WITHIN", 3, true},
    {Layer::ShotHigh, "SHOT_HIGH", 1, true},
    {Layer::ShotLow, "SHOT_LOW", 5, true},
    {Layer::ShotOff, "SHOT_OFF", 8, true},
};

// The name of `layer` as a drawing file writes it: Layer::ToeLine -> "TOE_LINE".
constexpr std::string_view layerName(Layer layer) {
    for (const LayerStyle& style : kLayerStyles) {
        if (style.layer == layer) {
            return style.name;
        }
    }
    return "0";
}

// A place of the drawing: x is the easting (the list's Y), y the northing (X), as CAD and GIS
// programs take them; with the "0.000" digits a file writes, the list's own for stake points.
// Its elevation is the drawing's unless it has digits of its own (a line above the toe).
struct DrawingPlace {
    double east = 0;
    double north = 0;
    std::string eastDigits;
    std::string northDigits;
    std::string heightDigits;  // empty: the drawing's elevation
};

// A point marker.
struct DrawingPoint {
    Layer layer;
    DrawingPlace at;
};

// A text of the drawing's text height, its lower left corner at `corner`.
struct DrawingText {
    Layer layer;
    DrawingPlace corner;
    std::string text;  // ASCII
};

// A straight line.
struct DrawingLine {
    Layer layer;
    DrawingPlace from;
    DrawingPlace to;
};

// A line through its vertices in order.
struct DrawingPolyline {
    Layer layer;
    std::vector<DrawingPlace> vertices;
};

// A triangle of a surface in space, its corners counterclockwise seen from above.
struct DrawingFace {
    Layer layer;
    DrawingPlace corners[3];
};

using DrawingEntity =
    std::variant<DrawingPoint, DrawingText, DrawingLine, DrawingPolyline, DrawingFace>;

// A whole drawing. Everything lies at the one elevation but places with their own; texts and
// point markers are `textHeight` high, so that they stay readable whatever the drawing's size.
struct Drawing {
    std::string elevationDigits = "0.000";  // z of everything
    double textHeight = 1;
    std::string textHeightDigits = "1.000";
    DrawingPlace low;  // the smallest box around everything drawn
    DrawingPlace high;
    std::vector<DrawingEntity> entities;  // in drawing order
};

}  // namespace korvel
