// Stake-out points spaced by a fixed length along the long axis ("按步长计算").
#pragma once

#include "core/geometry.h"

namespace korvel {

// Delivers the points of one quarter, from the end of the short axis (i = 0) to the
// vertex of the long axis, i growing by `step` in a single-precision counter; then one
// closing point, the vertex computed from `a` itself. Stops as soon as `deliver` says so.
// A point may have no finite coordinates (a = 0, overflow); it is delivered as it is.
//   a=12.5 b=6 β=60.3 X=3000 Y=5000 azimuth=45.153 step=2.5 D=4.25, Position2:
//     6 loop points (i = 0, 2.5, ... 12.5), first (3003.069, 5008.352), then the closing
//     point (2995.451, 5016.120), which repeats the last one.
//   a < 0: no loop point, only the closing point.
void generateByStepLength(const CalcInput& input, SlopePosition position, const PointSink& deliver);

}  // namespace korvel
