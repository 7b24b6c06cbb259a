// Stake-out points spaced by a fixed polar angle at the quarter's centre ("按角值计算").
#pragma once

#include "core/geometry.h"

namespace korvel {

// Delivers the points of one quarter, from the vertex of the long axis (t = 0) round to
// the end of the short axis (t = F, the arc angle between long axis and road), t growing
// by 弧度(step) in a single-precision sweep angle; then one closing point, the end of the
// short axis computed from `b` itself. Stops as soon as `deliver` says so.
// A point may have no finite coordinates (b = 0 at t = 0, F = 0); it is delivered as is.
//   a=10 b=6 β=60 X=1000 Y=500 azimuth=0 D=4 step=15, Position2: 5 sweep points from
//     (1007.000, 512.124) to (1008.000, 503.464), the closing point repeats the last.
//   F < 0 (β = 200 in Position1): no sweep point, only the closing point.
void generateByAngle(const CalcInput& input, SlopePosition position, const PointSink& deliver);

}  // namespace korvel
