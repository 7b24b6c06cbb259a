// The stake-out check (放样复核): the pegs the instrument measured against the design points,
// matched by name, each offset worked out from the decimal digits as written, never through
// binary floating point.
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
using CheckFields = std::array<std::string, kCheckColumns>;

// Where a peg stands from its design point, in micrometres: ΔX and ΔY, measured − design, and
// the deviation √(ΔX²+ΔY²) rounded down to a whole micrometre. Rounded down, it still shows
// the tenth of a millimetre the exact root shows: n tenths begin at 100n − 50 µm, a whole
// number, which the root reaches exactly when its floor does.
struct Offsets {
    std::int64_t dx = 0;
    std::int64_t dy = 0;
    std::int64_t deviation = 0;

    bool operator==(const Offsets&) const = default;
};

// One line of the check, as numbers: the design row and the peg it is of (places in the
// check's `design` and `pegs.pegs`), their offsets and the verdict. A 未测 row has no peg, a
// 无设计点 row no design row; a row with both has offsets unless a coordinate of either lies
// 10^12 m or more from 0 (or is no decimal number), which cannot be compared and is 超限.
struct CheckRow {
    std::optional<std::size_t> design;
    std::optional<std::size_t> peg;
    std::optional<Offsets> offsets;
    Verdict verdict = Verdict::NotMeasured;
};

// The whole check: the design rows, the name prefix and the pegs it was made from; its rows,
// the design points in number order, then the pegs of no design point in the order of their
// file; and the count of each verdict.
struct StakeCheck {
    std::vector<StakeRow> design;
    std::string prefix;
    FieldPoints pegs;
    std::vector<CheckRow> rows;
    int designPoints = 0;
    int within = 0;
    int beyond = 0;
    int notMeasured = 0;
    int noDesign = 0;
    // Every design point measured and within the tolerance (pegs without a design point do
    // not count against it).
    bool passed = true;
};

// Checks the pegs against the design rows named pointName(prefix, row), names matched by
// pointNameKey. A peg offset by exactly the tolerance is 合格, by a micrometre more 超限:
// ΔX² + ΔY² is compared with the tolerance squared in whole square micrometres. Decimals past
// the sixth are rounded half away from zero first (decimalMicrometres).
//   rows {1, "5000.000", "3000.000"}, prefix "P", pegs {"P1", "5000.0004", "3000"}, 50 mm
//     -> one row: design 0, peg 0, offsets {400, 0, 400}, 合格
//   rows {1, ...}, {2, ...}, prefix "P", pegs {"P2", ...}, {"K9", ...}
//     -> P1 未测, P2 compared, K9 无设计点
// The design rows and the pegs are kept in the check, for its rows to be written from.
StakeCheck checkStakeOut(std::vector<StakeRow> design, std::string_view prefix, FieldPoints pegs,
                         Tolerance tolerance);

// The texts of `row` of `check`, in column order: the name (the design point's, or the peg's
// for 无设计点); design X and Y as the rows hold them (empty for 无设计点); measured X and Y as
// recordedDecimals shows them (empty for 未测); ΔX, ΔY and the deviation as millimetresText
// writes them ("—" each for a row that cannot be compared, empty for 未测 and 无设计点); the
// verdict's word.
//   the first example above -> {"P1", "5000.000", "3000.000", "5000.0004", "3000.000", "0.4",
//                               "0.0", "0.4", "合格"}
//   a 未测 row of {2, "10.000", "20.000"}, prefix "L" -> {"L2", "10.000", "20.000", "", "", "",
//                                                        "", "", "未测"}
CheckFields checkFields(const StakeCheck& check, const CheckRow& row);

// The summary line under the check:
// "共N点：合格M点，超限K点，未测J点；合格率P%", P = M/(M+K) as percentText writes it, or "—"
// when no design point was measured; then, each only when not zero, "；无设计点L个",
// "；略过非点行X行" and "；重复点名Y个" (the lines of the file that held no point, and the
// names measured more than once).
//   7 points, 5 合格, 1 超限, 1 未测, 0, 0, 0 -> "共7点：合格5点，超限1点，未测1点；合格率83.3%"
std::string checkSummary(const StakeCheck& check, int linesPassedOver, int repeats);

}  // namespace korvel
