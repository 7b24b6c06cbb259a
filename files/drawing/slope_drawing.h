// The drawing of a slope laid out from a run: its stake points with their names, the toe
// line, and when the run's outline is given, O, the road centre line and the two axes.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "core/geometry.h"
#include "core/stake_row.h"
#include "files/drawing/drawing.h"
#include "files/problem.h"

namespace korvel {

// A drawing, or why the points cannot be drawn.
struct SlopeDrawing {
    Drawing drawing;
    Problem problem;  // CoordinateBeyondDrawing with the point's name; None when drawn
};

// Lays out the rows named `prefix` + number at `elevationDigits` ("0.000"). In order: per
// stake point a POINT (StakePoint) and its name (StakeName) half a text height up and right;
// the toe line (ToeLine) through two points or more; O as a point and the text "O"
// (RoadCentrePoint); the road centre line with its arrowhead (RoadCentreLine); the long axis
// from O through the centre to the vertex (LongAxis); the short axis (ShortAxis).
// The text height is a fiftieth of the slope's larger side. Everything is drawn within ±1e300,
// so that no sum or scale of the drawing overflows: a stake point beyond it refuses the
// drawing, a line of the outline beyond it is left out.
SlopeDrawing layOutSlope(const std::vector<StakeRow>& rows, std::string_view prefix,
                         std::string_view elevationDigits,
                         const std::optional<SlopeOutline>& outline);

}  // namespace korvel
