// The drawing of a slope laid out from a run: its stake points with their names, the toe
// line, and when the run's outline is given, O, the road centre line and the two axes; with
// the slope's heights, its layer lines, its top line and its surface in space.
#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "core/geometry.h"
#include "core/stake_row.h"
#include "files/drawing/drawing.h"
#include "files/points/point_options.h"
#include "files/points/slope_heights.h"
#include "files/problem.h"

namespace korvel {

// A drawing, or why the points cannot be drawn.
struct SlopeDrawing {
    Drawing drawing;
    Problem problem;  // CoordinateBeyondDrawing with the point's name; None when drawn
};

// Lays out the points of `lines`, the toe's first, each line at its elevation, and with
// `heights` the slope above the toe. In order: per stake point a POINT (StakePoint) and its name
// (StakeName) half a text height up and right; the toe line (ToeLine) through two points or
// more; with heights, the line of each layer (LayerLine) and the top line (TopLine) through
// their rows, two or more, each at its elevation; O as a point and the text "O"
// (RoadCentrePoint); the road centre line with its arrowhead (RoadCentreLine); the long axis
// from O through the centre to the vertex (LongAxis); the short axis (ShortAxis); and the
// triangles of the surface, when it was made (SlopeSurface). The drawing's elevation is the
// toe's. The text height is a fiftieth of the slope's larger side. Everything is drawn within
// ±1e300, so that no sum or scale of the drawing overflows: a stake point beyond it refuses the
// drawing, a line of the outline beyond it is left out.
SlopeDrawing layOutSlope(std::span<const NamedPoints> lines,
                         const std::optional<SlopeOutline>& outline,
                         const SlopeInHeight* heights = nullptr);

}  // namespace korvel
