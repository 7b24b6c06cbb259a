// The slope in height for the files and the sheet: what the surveyor typed for its top, slopes
// and layers, checked in one place for the window's "锥坡高程" and korvel-calc's --top, --slope
// and --layers alike, and worked out into the named lines to stake, the quantities and the
// surface.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/run.h"
#include "core/slope_body.h"
#include "core/slope_quantities.h"
#include "core/slope_surface.h"
#include "files/points/point_options.h"
#include "files/problem.h"

namespace korvel {

// The heights as typed; the toe's elevation is the point files' 坡脚高程.
struct TypedHeights {
    std::string top;         // 坡顶高程; empty: the slope is given no height
    std::string longSlope;   // 长轴坡率 m of 1:m; empty: a true cone's, a/H
    std::string shortSlope;  // 短轴坡率 n of 1:n; empty: b/H
    std::string thickness;   // 分层厚度; empty: no layers

    bool operator==(const TypedHeights&) const = default;
};

// Whether `typed` asks for layers: a top and a thickness, whatever they hold.
bool layered(const TypedHeights& typed);

// The slope in height of one run.
struct SlopeInHeight {
    SlopeBody body;
    SlopeQuantities quantities;
    // The lines above the toe, the top line last: k = 1 named prefix + "1-" and so on, each
    // at its elevation ("0.000"). With a thickness every layer's line and the top line, staked
    // and listed by every point file and the sheet; without, only the top line, drawn.
    std::vector<PointLine> lines;
    bool layered = false;
    SlopeSurface surface;  // the triangulated surface, when it was asked for; else empty
};

// The heights of a run, or why they cannot be worked out; nothing and no problem when no top
// was typed.
struct HeightRequest {
    std::optional<SlopeInHeight> heights;
    Problem problem;
};

// The slope in height of `run` (its rows, texts and options) for `typed`, the toe at the
// checked elevation and the lines named with the checked prefix, and its surface when `surface`.
// Refused, with the typed text as the subject: TopNotNumber, SlopeNotPositive, LayerNotPositive;
// then NoSlopeQuarter, TopNotAboveToe, SlopesDoNotFit (the semi-axis below 0 as the subject,
// "长半轴 a−m·H = -3.500"); NameTooLong for a line's names over 16 characters; TooManyPoints when
// the run's rows and the layered lines' are more than 32767; SurfaceTooLarge.
//   worked example, top "104", no slopes, thickness "1.5" -> lines at 101.500, 103.000 and the
//       top 104.000, named L2-1-1..., L2-2-1..., L2-3-1 (the apex, one row)
//   top "104", slopes "4" and "1"                        -> SlopesDoNotFit "长半轴 a−m·H = -3.500"
//   top ""                                               -> nothing
HeightRequest makeHeights(const TypedHeights& typed, const PointOptions& points,
                          const ListedRun& run, bool surface);

// The slope 1:m as the sheet prints it: "1:3.125".
std::string slopeRatioText(double slope);

}  // namespace korvel
