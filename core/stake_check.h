// The stake-out check: the pegs the instrument measured against the design points, each
// offset worked out from the decimal digits as written, never through binary floating point.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/decimal_text.h"
#include "core/field_points.h"
#include "core/stake_row.h"

namespace korvel {

// What the check says about one point.
enum class Verdict : std::uint8_t {
    Within,       // 合格: the deviation is at most the tolerance
    Beyond,       // 超限: the deviation is more than the tolerance
    NotMeasured,  // 未测: no peg of the design point's name
    NoDesign,     // 无设计点: a peg whose name no design point has
};

// The verdict as the sheet writes it: 合格, 超限, 未测, 无设计点.
std::string_view verdictText(Verdict verdict);

// The columns of the check: 点名, 设计X, 设计Y, 实测X, 实测Y, ΔX, ΔY, 偏差 and 结果.
inline constexpr std::size_t kCheckColumns = 9;

// The texts of a line of the check in column order, the verdict's word last.
using CheckFields = std::array<std::string_view, kCheckColumns>;

// The texts a line of the check is made of: all its columns but the verdict.
using CheckTexts = std::array<std::string_view, kCheckColumns - 1>;

// No design row or peg: the place a row without one names.
inline constexpr std::uint32_t kNoPlace = 0xFFFF'FFFF;

// One line of the check: its verdict and its texts. The texts are, in column order: the
// design point's name (the peg's for 无设计点), design X and Y (empty for 无设计点),
// measured X and Y as recordedDecimals shows them (empty for 未测), and ΔX, ΔY and the
// deviation √(ΔX²+ΔY²) (empty for 未测 and 无设计点). Offsets are measured − design in
// millimetres with one decimal, halves away from zero, "0.0" for anything under 0.05 mm
// either way. A coordinate of 10^12 m or more cannot be compared: its offsets are "—" and
// its verdict 超限.
// A text the design row or the peg already holds as it is shown (the design coordinates,
// a peg's name, coordinates recorded with three decimals or more) is shown from there; the
// others are the row's own, one after another in the check's buffer. A job of thirty
// thousand points then writes little more than its offsets: that is the difference between
// a check that costs as much as the run and one that costs several times more.
struct CheckRow {
    std::uint32_t start = 0;                 // the first byte of its own texts
    std::uint32_t design = kNoPlace;         // the design row it shows texts of
    std::uint32_t peg = kNoPlace;            // the peg it shows texts of
    std::array<std::uint32_t, 8> ends = {};  // where each own text ends, counted from start
    std::uint8_t shown = 0;                  // bit k: text k is shown from the row or peg
    Verdict verdict = Verdict::NotMeasured;
};

// The whole check: the design points in number order, then the pegs that match none in the
// order of their file, and the counts of each verdict.
struct StakeCheck {
    std::vector<StakeRow> design;  // the design rows checked
    FieldPoints pegs;              // the pegs checked
    std::string texts;             // the rows' own texts, one after another
    std::vector<CheckRow> rows;
    // The longest text of each column but the verdict, in bytes, and whether every one of
    // them is ASCII (a column a character): what a writer laying the rows out in columns
    // would otherwise go over every row for.
    std::array<std::size_t, kCheckColumns - 1> longest = {};
    bool asciiOnly = true;
    int designPoints = 0;
    int within = 0;
    int beyond = 0;
    int notMeasured = 0;
    int noDesign = 0;
    // Every design point measured and within the tolerance (pegs without a design point do
    // not count against it).
    bool passed = true;
};

// Adds a line with `texts` and `verdict` at the end of the check's rows; the counts are
// left as they are.
void appendCheckRow(StakeCheck& check, const CheckTexts& texts, Verdict verdict);

// The texts of `row` of `check`, the verdict's word last; views into `check`.
//   {"P1", "5000.000", "3000.000", "5000.0004", "3000.000", "0.4", "0.0", "0.4"}, 合格
//       -> {"P1", "5000.000", "3000.000", "5000.0004", "3000.000", "0.4", "0.0", "0.4", "合格"}
CheckFields checkFields(const StakeCheck& check, const CheckRow& row);

// Checks the pegs against the design rows named pointName(prefix, row), names matched by
// pointNameKey (a name measured twice is one peg, as FieldPoints keeps it). A peg offset by
// exactly the tolerance is 合格; any digit beyond is 超限. Decimals past the sixth (a
// micrometre) are rounded half away from zero first.
//   rows {1, "5000.000", "3000.000"}, prefix "P", peg {"P1", "5000.0004", "3000"}, 50 mm
//     -> a row of {"P1", "5000.000", "3000.000", "5000.0004", "3000.000", "0.4", "0.0", "0.4"},
//        合格
// The design rows and the pegs are kept in the check (moved in where the caller has no more
// use for them), and its rows show their texts from there.
StakeCheck checkStakeOut(std::vector<StakeRow> design, std::string_view prefix,
                         FieldPoints measured, Tolerance tolerance);

// The summary line under the check:
// "共N点：合格M点，超限K点，未测J点；合格率P%", P = M/(M+K) with one decimal (halves away
// from zero) or "—" when no design point was measured; then, each only when not zero,
// "；无设计点L个", "；略过非点行X行" and "；重复点名Y个" (the lines of the file that held no
// point, and the names measured more than once).
//   7 points, 5 合格, 1 超限, 1 未测, 0, 0, 0 -> "共7点：合格5点，超限1点，未测1点；合格率83.3%"
std::string checkSummary(const StakeCheck& check, int linesPassedOver, int repeats);

}  // namespace korvel
