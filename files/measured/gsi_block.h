// One line of a Leica GSI file: a block of GSI-8 or GSI-16 words.
#pragma once

#include <optional>
#include <string_view>

#include "files/measured/measured_points.h"

namespace korvel {

// What one block gave: a point, nothing (a block of other words, a blank line), or the
// problem that refuses the whole file.
struct GsiBlock {
    std::optional<FieldPoint> point;
    Problem problem;
};

// The point in `line` (its line end cut off), numbered `lineNumber` for a problem; as
// decodeMeasuredShots reads GSI. The name is given as the word's bytes; the caller decodes it.
//   "*110001+0000000000000007 81..10+0000000005008352 82..10-0000000003003069 "
//     -> {"7", "-3003.069", "5008.352", ""}
//   "110001+0000000A 81..06+00123456 82..06+00654321 83..06-00000012 "
//     -> {"A", "65.4321", "12.3456", "-0.0012"}
//   "" , "*410002+000000000000CODE " -> no point
//   "*110001+007 " -> GsiBadWord    "81..11+00001000 " -> GsiFeet (GSI-8, unit 1)
GsiBlock readGsiBlock(std::string_view line, int lineNumber);

}  // namespace korvel
