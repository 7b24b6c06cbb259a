// The cone slope in height. Its toe is the quarter the run lays out: the points E + s·u + t·v
// with (s/a)² + (t/b)² = 1 and s, t ≥ 0, where E is the quarter's centre, u the unit vector of
// the long-axis half (θu) and v that of the road half (θv). At the height z above the toe the
// slope's line is the same quarter with the semi-axes a(z) = a − m·z and b(z) = b − n·z, for the
// slopes 1:m along the long axis and 1:n along the road, up to the top line at z = H; inside the
// top line the slope is flat.
#pragma once

#include <optional>

#include "core/geometry.h"

namespace korvel {

// The slope's height as the surveyor gives it, in the unit of the run's lengths.
struct SlopeHeights {
    double toe = 0;                    // 坡脚高程 Hf
    double top = 0;                    // 坡顶高程 Ht
    std::optional<double> longSlope;   // m of 1:m along the long axis; nothing: a/H, a cone's
    std::optional<double> shortSlope;  // n of 1:n along the road; nothing: b/H
};

// Why a slope cannot be given its height.
enum class HeightFault {
    None,
    NoQuarter,         // a or b not over 0, β not between 0 and 180°, or a number not finite
    TopNotAboveToe,    // Ht not over Hf
    SlopeNotPositive,  // m or n not over 0, or not finite
    SlopesDoNotFit,    // a − m·H or b − n·H below 0: the faces meet below the top
};

// A semi-axis within this many metres of 0 at the top is 0: a − (a/H)·H may land a unit off.
inline constexpr double kZeroSemiAxis = 1e-9;

// A place within this many metres of a line counts as on it: a point computed on the long axis
// or the toe comes back from the plan a rounding off.
inline constexpr double kOnLine = 1e-9;

// The slope of one run's quarter, in height.
struct SlopeBody {
    StakePoint centre;          // E, D from O along the long axis
    double cosU = 1, sinU = 0;  // u, the long-axis half, as (X, Y) components
    double cosV = 0, sinV = 1;  // v, the road half
    double arc = 0;             // the quarter's angle F at E between u and v, radians
    double a = 0, b = 0;        // the toe's semi-axes
    double m = 0, n = 0;        // the slopes 1:m and 1:n
    double toe = 0, top = 0;    // Hf and Ht
    double height = 0;          // H = Ht − Hf
    double topA = 0, topB = 0;  // a(H) and b(H), 0 within kZeroSemiAxis of it
};

// The body, or why there is none; `body` is filled as far as it was worked out, so that a
// refusal can name the semi-axes that came out below 0.
struct SlopeBodyResult {
    SlopeBody body;
    HeightFault fault = HeightFault::None;
};

// The body of the run's quarter for `input` and `position` at `heights`. Checked in this
// order: NoQuarter, TopNotAboveToe, SlopeNotPositive, SlopesDoNotFit.
//   a=12.5 b=6 β=60.3, Hf 100, Ht 104, no slopes   -> m 3.125, n 1.5, top semi-axes 0 and 0
//   ..., Ht 104, slopes 1:2 and 1:1                -> top semi-axes 4.5 and 2
//   ..., Ht 104, slopes 1:4 and 1:1                -> SlopesDoNotFit (a − m·H = −3.5)
//   ..., Ht 100                                    -> TopNotAboveToe
//   b = 0, or β = 0 or 180                         -> NoQuarter
SlopeBodyResult slopeBody(const CalcInput& input, SlopePosition position,
                          const SlopeHeights& heights);

// The semi-axes of the slope's line at height z above the toe (0 ≤ z ≤ H): a − m·z and b − n·z,
// the top line's own at z = H.
struct SemiAxes {
    double a = 0;
    double b = 0;
};
SemiAxes semiAxesAt(const SlopeBody& body, double z);

// A plan point as the quarter's frame gives it: E + s·u + t·v.
struct FramePlace {
    double s = 0;
    double t = 0;
};

// The frame place of the plan point `p` (X northing, Y easting).
FramePlace framePlaceOf(const SlopeBody& body, StakePoint p);

// The plan point of the frame place (s, t).
StakePoint planPointOf(const SlopeBody& body, FramePlace place);

// Where a plan point lies on the slope.
enum class SlopePlace {
    Face,       // on the sloping face, between the toe and the top line
    Top,        // on the flat top, inside the top line (or on a top line that is a segment)
    BeyondToe,  // beyond the toe line
    Outside,    // behind the long axis or the road line: s < 0 or t < 0
};

// The design elevation of a plan point, where it has one.
struct DesignHeight {
    SlopePlace place = SlopePlace::Outside;
    double elevation = 0;  // Hf + z on the face, Ht on the top; 0 elsewhere
};

// The design elevation at `p`: Outside when s < 0 or t < 0 (before anything else), BeyondToe
// when (s/a)² + (t/b)² > 1, each beyond kOnLine, Top inside the top line, else Hf + z for the one z
// whose line passes through p, found to a micrometre's thousandth.
//   a true cone: Hf + H·(1 − √((s/a)² + (t/b)²))      E itself -> Top, Ht
DesignHeight designHeight(const SlopeBody& body, StakePoint p);

// The height z (0 to H) of the line through the frame place, counting a place inside the top
// line as H and one beyond the toe as 0. `guess` starts the search: a place's height on a
// triangle of the surface finds it in two or three steps.
double heightThrough(const SlopeBody& body, FramePlace place, double guess);

}  // namespace korvel
