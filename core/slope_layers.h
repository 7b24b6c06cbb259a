// The slope's lines above its toe: the line of each fill layer and the top line, staked out by
// the same generator and mode as the toe, with the typed step, position, β, O, azimuth and D.
#pragma once

#include <vector>

#include "core/run.h"
#include "core/slope_body.h"

namespace korvel {

// A layer line lies this far below the top at least; one closer is left to the top line.
inline constexpr double kTopClearance = 0.0005;

// The heights z above the toe of the lines to stake for layers `thickness` thick: T, 2T, ...
// while Hf + k·T lies below Ht − 0.0005, then H, the top line; only H without a thickness.
// Nothing when there would be more than `most` lines. The thickness must be over 0.
//   H = 4 (Hf 100), T 1.5        -> {1.5, 3, 4}
//   H = 3, T 1.5                 -> {1.5, 3}        (the line at 3 is the top line)
//   H = 3, T 1.4998              -> {1.4998, 3}     (2.9996 lies within 0.0005 of the top)
//   no thickness                 -> {H}
std::vector<double> lineHeights(const SlopeBody& body, std::optional<double> thickness,
                                std::size_t most);

// The rows of the slope's line at height z: the generator of the mode, fed the run's inputs
// with a(z) and b(z) in place of a and b, its single-precision counter and closing point as for
// the toe. A top line shrunk to a segment gives its two ends, in the order the mode stakes
// them (the end on the road line first by step length, the vertex first by angle); shrunk to
// the apex, one row at E. Numbered from 1; as generateRows, with `limit`.
GeneratedRows slopeLineRows(const CalcInput& input, SlopePosition position, bool stepMode,
                            const SlopeBody& body, double z, long long limit);

}  // namespace korvel
