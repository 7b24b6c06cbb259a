// What the point files add to the rows: the toe elevation H and the text before each point
// number. Both come typed by a person, in the window's "放样点设置" or on korvel-calc's command
// line, and are checked here, in one place, the same way for both.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/stake_row.h"
#include "files/problem.h"

namespace korvel {

// The options as a point file writes them: H "0.000" and the name prefix ("L2-" gives L2-1,
// L2-2, ...).
struct PointOptions {
    std::string elevation = "0.000";
    std::string prefix;
};

// The options as typed.
struct TypedPointOptions {
    std::string elevation = "0.000";  // "坡脚高程", --elevation
    std::string prefix;               // "点名前缀", --prefix
};

// The longest point name an instrument takes (GSI-16 holds 16 characters).
inline constexpr std::size_t kMaxPointNameLength = 16;

// `text` without the blanks and tabs around it, as typed numbers are read.
//   " 12.5\t" -> "12.5"    "1 2" -> "1 2"    "  " -> ""
std::string_view withoutBlanksAround(std::string_view text);

// A number typed into a form, when the whole text, blanks around it aside, is a finite decimal
// number ("." whatever the locale, a leading "+" as people type it); nothing for anything else,
// which is refused rather than read as 0.
//   "12.5" -> 12.5   " 12.5 " -> 12.5   "-3" -> -3   "+1e2" -> 100
//   "", "12,5", "1.5m", "1 2", "inf", "+-1" -> nothing
std::optional<double> typedNumber(std::string_view typed);

// The elevation typed as H written "0.000", when typedNumber reads it.
//   "12.5" -> "12.500"   " 12.5 " -> "12.500"   "-3" -> "-3.000"   "+1e2" -> "100.000"
//   "", "12,5", "1.5m", "1 2", "inf", "+-1" -> nothing
std::optional<std::string> elevationText(std::string_view typed);

// The typed options checked: H written "0.000" and the prefix, or the problem with the typed
// text as its subject: ElevationNotNumber, or IllegalPrefix for a character other than an
// ASCII letter, a digit, '-', '_' or '.' (a blank would end a GSI word and split the name).
//   {"152.34", "L2-"} -> {"152.340", "L2-"}     {"x", ""} -> ElevationNotNumber "x"
//   {"0", "桥台"}, {"0", "A B"} -> IllegalPrefix
struct CheckedPointOptions {
    PointOptions options;
    Problem problem;
};
CheckedPointOptions checkPointOptions(const TypedPointOptions& typed);

// IllegalPrefix with the prefix as its subject when it holds a character other than an ASCII
// letter, a digit, '-', '_' or '.'; None otherwise.
//   "L2-" -> None    "" -> None    "A B", "桥台" -> IllegalPrefix
Problem prefixProblem(std::string_view prefix);

// NameTooLong with the longest name as its subject when the prefix and the largest point
// number of `rows` make more than kMaxPointNameLength characters; None otherwise.
//   "ABUTMENT-NORTH-" with rows up to 9 -> None (16 characters); up to 10 -> "ABUTMENT-NORTH-10"
Problem nameLengthProblem(std::string_view prefix, const std::vector<StakeRow>& rows);

// Points named `prefix` + number at one elevation, as a point file lists them: the toe's rows,
// or the rows of one line of the slope above it ("L1-2-" for the second).
struct PointLine {
    std::string prefix;
    std::string elevation = "0.000";
    std::vector<StakeRow> rows;
};

// A view of the points of a PointLine, or of the toe's rows where they are held.
struct NamedPoints {
    std::string_view prefix;
    std::string_view elevation;
    std::span<const StakeRow> rows;
};

// The view of `line`.
NamedPoints namedPoints(const PointLine& line);

// nameLengthProblem for each line in turn; the first too long.
Problem nameLengthProblem(std::span<const NamedPoints> lines);

// A point file's bytes, or why it cannot be written.
struct EncodedFile {
    std::string bytes;
    Problem problem;
};

}  // namespace korvel
