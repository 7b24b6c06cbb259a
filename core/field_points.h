// The pegs the instrument measured, one to a name, for the check by name: a name measured
// again is the same peg measured again, and its last measurement counts.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace korvel {

// A peg as the instrument recorded it: its name, and X (northing), Y (easting) and H as the
// decimal texts of its file ("5000.0004", "-12.5"); H is empty when the file has none, and
// the check does not look at it.
struct FieldPoint {
    std::string name;
    std::string x;
    std::string y;
    std::string h = {};

    bool operator==(const FieldPoint&) const = default;
};

// What a name is matched by: the name without the zeros in front of it (withoutLeadingZeros),
// so that point 7 is found however an instrument fills its name word ("0000000000000007" in
// GSI-16). Zeros inside the name count. A view into `name` (or of a constant "0").
//   "0000000000000007" -> "7"   "007" -> "7"   "000" -> "0"   "L2-007" -> "L2-007"
//   "70" -> "70"   "" -> ""
std::string_view pointNameKey(std::string_view name);

// The pegs of a file, one to a name key, in the order their names first came.
struct FieldPoints {
    std::vector<FieldPoint> pegs;
    int repeats = 0;  // the measurements of a name measured before
};

// The pegs of `points`, the measurements of a file in its order: a name met again (by
// pointNameKey) keeps the place and the spelling it came with first, takes the new X, Y and
// H, and counts as a repeat.
//   {"007", "1.000", "2.000", ""}, {"P1", "3", "4", ""}, {"7", "1.010", "2.010", "0.5"}
//     -> {{"007", "1.010", "2.010", "0.5"}, {"P1", "3", "4", ""}}, repeats 1
//   {} -> {}, repeats 0
FieldPoints fieldPointsOf(std::vector<FieldPoint> points);

// Where each name key is among `pegs`: the key (a view into the peg's name, good while `pegs`
// is left as it is) to the place of the first peg with it.
//   {"007", ...}, {"P1", ...}, {"7", ...} -> {"7" -> 0, "P1" -> 1}
using NameTable = std::unordered_map<std::string_view, std::size_t>;
NameTable nameTableOf(const std::vector<FieldPoint>& pegs);

}  // namespace korvel
