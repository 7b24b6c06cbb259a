#include "core/stake_check.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace korvel {
namespace {

// Squares of offsets in micrometres: coordinates below 10^12 m differ by less than 2·10^18 µm,
// and two such squares add up to 2^123 at most, beyond 64 bits. GCC and Clang have the 128-bit
// integer on every target Korvel is built for.
__extension__ typedef unsigned __int128 Wide;

// ΔX² + ΔY², exactly.
Wide squaredDistance(std::int64_t dx, std::int64_t dy) {
    const auto ax = static_cast<Wide>(dx < 0 ? -dx : dx);
    const auto ay = static_cast<Wide>(dy < 0 ? -dy : dy);
    return ax * ax + ay * ay;
}

// The largest r with r² ≤ s. The double's square root is exact to the unit for the offsets a
// surveyor meets (s below 2^53) and a few hundred units off at worst for the largest ones;
// whole steps then make it exact.
std::uint64_t squareRootFloor(Wide s) {
    auto r = static_cast<std::uint64_t>(std::sqrt(static_cast<double>(s)));
    while (r > 0 && Wide{r} * r > s) {
        --r;
    }
    while (Wide{r + 1} * (r + 1) <= s) {
        ++r;
    }
    return r;
}

// The offsets of `peg` from `design`, or nothing when a coordinate of either cannot be read
// in micrometres.
std::optional<Offsets> offsetsOf(const StakeRow& design, const FieldPoint& peg) {
    const std::optional<std::int64_t> x0 = decimalMicrometres(design.x);
    const std::optional<std::int64_t> y0 = decimalMicrometres(design.y);
    const std::optional<std::int64_t> x = decimalMicrometres(peg.x);
    const std::optional<std::int64_t> y = decimalMicrometres(peg.y);
    if (!x0 || !y0 || !x || !y) {
        return std::nullopt;
    }
    const std::int64_t dx = *x - *x0, dy = *y - *y0;
    return Offsets{dx, dy, static_cast<std::int64_t>(squareRootFloor(squaredDistance(dx, dy)))};
}

// 合格 when ΔX² + ΔY² is at most the tolerance squared; 超限 beyond, and when there is nothing
// to compare.
Verdict verdictOf(const std::optional<Offsets>& offsets, Tolerance tolerance) {
    const Wide limit = static_cast<Wide>(tolerance.micrometres) * tolerance.micrometres;
    return offsets && squaredDistance(offsets->dx, offsets->dy) <= limit ? Verdict::Within
                                                                         : Verdict::Beyond;
}

// The places of `design` in the order of their point numbers; rows of one number keep their
// order.
std::vector<std::size_t> numberOrder(const std::vector<StakeRow>& design) {
    std::vector<std::size_t> order(design.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&design](std::size_t a, std::size_t b) {
        return design[a].number < design[b].number;
    });
    return order;
}

}  // namespace

std::string_view verdictText(Verdict verdict) {
    switch (verdict) {
        case Verdict::Within:
            return "合格";
        case Verdict::Beyond:
            return "超限";
        case Verdict::NotMeasured:
            return "未测";
        case Verdict::NoDesign:
            return "无设计点";
    }
    return {};
}

// Each design point's name looked up in one table of the pegs' names; the pegs no design
// point found come last.
StakeCheck checkStakeOut(std::vector<StakeRow> design, std::string_view prefix, FieldPoints pegs,
                         Tolerance tolerance) {
    StakeCheck check;
    check.design = std::move(design);
    check.prefix = prefix;
    check.pegs = std::move(pegs);
    const std::vector<FieldPoint>& measured = check.pegs.pegs;
    const NameTable places = nameTableOf(measured);
    std::vector<bool> matched(measured.size(), false);
    check.rows.reserve(check.design.size() + measured.size());
    for (const std::size_t d : numberOrder(check.design)) {
        const std::string name = pointName(prefix, check.design[d]);
        const auto found = places.find(pointNameKey(name));
        if (found == places.end()) {
            check.rows.push_back({d, std::nullopt, std::nullopt, Verdict::NotMeasured});
            ++check.notMeasured;
            continue;
        }
        const std::size_t p = found->second;
        matched[p] = true;
        const std::optional<Offsets> offsets = offsetsOf(check.design[d], measured[p]);
        const Verdict verdict = verdictOf(offsets, tolerance);
        check.rows.push_back({d, p, offsets, verdict});
        ++(verdict == Verdict::Within ? check.within : check.beyond);
    }
    for (std::size_t p = 0; p < measured.size(); ++p) {
        if (!matched[p]) {
            check.rows.push_back({std::nullopt, p, std::nullopt, Verdict::NoDesign});
            ++check.noDesign;
        }
    }
    check.designPoints = static_cast<int>(check.design.size());
    check.passed = check.within == check.designPoints;
    return check;
}

// The texts of what the row has: its design row, its peg, its offsets.
CheckFields checkFields(const StakeCheck& check, const CheckRow& row) {
    CheckFields fields;
    if (row.design) {
        const StakeRow& design = check.design[*row.design];
        fields[0] = pointName(check.prefix, design);
        fields[1] = design.x;
        fields[2] = design.y;
    }
    if (row.peg) {
        const FieldPoint& peg = check.pegs.pegs[*row.peg];
        if (!row.design) {
            fields[0] = peg.name;
        }
        fields[3] = recordedDecimals(peg.x);
        fields[4] = recordedDecimals(peg.y);
    }
    if (row.offsets) {
        fields[5] = millimetresText(row.offsets->dx);
        fields[6] = millimetresText(row.offsets->dy);
        fields[7] = millimetresText(row.offsets->deviation);
    } else if (row.design && row.peg) {
        fields[5] = fields[6] = fields[7] = "—";
    }
    fields[8] = verdictText(row.verdict);
    return fields;
}

// The counts, the rate of 合格 among the measured, then the notes that are not zero.
std::string checkSummary(const StakeCheck& check, int linesPassedOver, int repeats) {
    const int measured = check.within + check.beyond;
    std::string text = "共" + std::to_string(check.designPoints) + "点：合格" +
                       std::to_string(check.within) + "点，超限" + std::to_string(check.beyond) +
                       "点，未测" + std::to_string(check.notMeasured) + "点；合格率" +
                       (measured == 0 ? "—" : percentText(check.within, measured) + "%");
    if (check.noDesign > 0) {
        text += "；无设计点" + std::to_string(check.noDesign) + "个";
    }
    if (linesPassedOver > 0) {
        text += "；略过非点行" + std::to_string(linesPassedOver) + "行";
    }
    if (repeats > 0) {
        text += "；重复点名" + std::to_string(repeats) + "个";
    }
    return text;
}

}  // namespace korvel
