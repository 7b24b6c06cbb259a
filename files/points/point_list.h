// The stake points as the instrument and drawing formats take them: each row of the result
// list named and carrying the list's own X and Y texts, so that a file holds exactly the
// digits the list shows ("-0.000" included).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvel {

// One stake point: its name (prefix and number) and the list's X (northing) and Y
// (easting) texts, written "0.000".
struct NamedPoint {
    std::string name;
    std::string x;
    std::string y;
};

// What the point formats add to the rows: the toe elevation H, written "0.000", and the
// text put before each point number ("L2-" gives L2-1, L2-2, ...).
struct PointOptions {
    std::string elevation = "0.000";
    std::string prefix;
};

// The longest point name an instrument takes (GSI-16 holds 16 characters).
inline constexpr std::size_t kMaxPointNameLength = 16;

// Why a set of point names cannot be written.
enum class NameProblem {
    None,
    IllegalPrefix,  // a character other than an ASCII letter, a digit, '-', '_' or '.'
    TooLong,        // the longest name has more than kMaxPointNameLength characters
};

// The problem, if any, with naming `rowCount` points `prefix` followed by their numbers.
//   ("L2-", 32767) -> None        ("桥台", 7) -> IllegalPrefix      ("A B", 7) -> IllegalPrefix
//   ("ABUTMENT-NORTH-", 9) -> None (16 characters)   ("ABUTMENT-NORTH-", 10) -> TooLong
NameProblem nameProblem(std::string_view prefix, std::size_t rowCount);

// The problem as the window tells it: Chinese, one line; empty for None.
std::string nameProblemText(NameProblem problem);

// The elevation typed by the user as H written "0.000", when the whole text is a finite
// decimal number ("12.5" -> "12.500", "-3" -> "-3.000", "+1e2" -> "100.000"); nothing for
// anything else ("", "12,5", "1.5m", "inf"), which is refused rather than read as 0.
std::optional<std::string> elevationText(std::string_view typed);

// The rows named and cut into their fields, or the reason they cannot be: a line that is not
// a result row, or a name problem.
struct NamedPoints {
    std::vector<NamedPoint> points;
    std::string error;  // Chinese, empty on success
};

// Names every row `prefix` followed by its own point number.
//   {"  7     2995.451     5016.120"}, "L2-" -> {{"L2-7", "2995.451", "5016.120"}}
NamedPoints namePoints(const std::vector<std::string>& rows, std::string_view prefix);

}  // namespace korvel
