#include "core/stake_check.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <unordered_map>

namespace korvel {
namespace {

// Squares of offsets in micrometres: up to 2·(2·10^18)², beyond 64 bits. GCC and Clang
// have the 128-bit integer on every target Korvel is built for.
__extension__ typedef unsigned __int128 Wide;

// Coordinates are compared in micrometres up to this many digits before the point, so an
// offset fits in 64 bits and its square in 128.
constexpr std::size_t kMaxWholeDigits = 12;
constexpr int kMicroDecimals = 6;

// The digits of `text` from the first one that is not a leading zero.
std::string_view withoutLeadingZeros(std::string_view text) {
    return text.substr(std::min(text.find_first_not_of('0'), text.size()));
}

// A decimal number's parts as written: its sign, the digits before the point and after it.
struct DecimalParts {
    bool negative = false;
    std::string_view whole;
    std::string_view fraction;
};

// The parts of a decimal field: an optional sign, digits and at most one "." with at least
// one digit; nothing for anything else. Views into `field`, nothing copied.
std::optional<DecimalParts> decimalParts(std::string_view field) {
    DecimalParts parts;
    if (!field.empty() && (field.front() == '+' || field.front() == '-')) {
        parts.negative = field.front() == '-';
        field.remove_prefix(1);
    }
    std::size_t point = field.size();
    for (std::size_t k = 0; k < field.size(); ++k) {
        const char c = field[k];
        if (c == '.' && point == field.size()) {
            point = k;
        } else if (c < '0' || c > '9') {
            return std::nullopt;
        }
    }
    parts.whole = field.substr(0, point);
    parts.fraction = point == field.size() ? std::string_view() : field.substr(point + 1);
    if (parts.whole.size() + parts.fraction.size() == 0) {
        return std::nullopt;
    }
    return parts;
}

// A decimal text as whole micrometres, decimals past the sixth rounded half away from zero;
// nothing when it is no decimal number or reaches 10^12 m.
std::optional<std::int64_t> micrometresOf(std::string_view text) {
    const std::optional<DecimalParts> parts = decimalParts(text);
    if (!parts) {
        return std::nullopt;
    }
    const bool negative = parts->negative;
    const std::string_view whole = withoutLeadingZeros(parts->whole);
    const std::string_view fraction = parts->fraction;
    if (whole.size() > kMaxWholeDigits) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (const char c : whole) {
        value = value * 10 + (c - '0');
    }
    for (std::size_t k = 0; k < kMicroDecimals; ++k) {
        value = value * 10 + (k < fraction.size() ? fraction[k] - '0' : 0);
    }
    if (fraction.size() > kMicroDecimals && fraction[kMicroDecimals] >= '5') {
        ++value;
    }
    return negative ? -value : value;
}

// The largest r with r² ≤ s (s below 2^126, so r below 2^63): the double's square root, a
// few units off at most, then moved in whole steps until it is exact.
std::uint64_t squareRootFloor(Wide s) {
    std::uint64_t r = static_cast<std::uint64_t>(std::sqrt(static_cast<double>(s)));
    while (r > 0 && Wide{r} * r > s) {
        --r;
    }
    while (Wide{r + 1} * (r + 1) <= s) {
        ++r;
    }
    return r;
}

// Tenths written with one decimal: 123 -> "12.3", -4 -> "-0.4", 0 -> "0.0".
std::string tenthsText(std::int64_t tenths, bool negative) {
    std::string text;
    text.reserve(24);
    if (negative && tenths != 0) {
        text += '-';
    }
    text += std::to_string(tenths / 10);
    text += '.';
    text += static_cast<char>('0' + tenths % 10);
    return text;
}

// Micrometres as millimetres with one decimal, halves away from zero.
std::string millimetresText(std::int64_t micrometres) {
    const std::uint64_t magnitude =
        micrometres < 0 ? 0 - static_cast<std::uint64_t>(micrometres) : micrometres;
    return tenthsText(static_cast<std::int64_t>((magnitude + 50) / 100), micrometres < 0);
}

// The design row's check against its peg: the offsets and the verdict. The deviation d
// rounds to n tenths of a millimetre when d ≥ 100n − 50 µm; that bound is a whole number,
// so it holds exactly when it holds for the floor of √(ΔX²+ΔY²), and n comes from that.
CheckRow compared(const std::string& name, const StakeRow& design, const FieldPoint& peg,
                  Tolerance tolerance) {
    CheckRow row{name, design.x, design.y, recordedDecimals(peg.x), recordedDecimals(peg.y),
                 "—",  "—",      "—",      Verdict::Beyond};
    const auto dx0 = micrometresOf(design.x), dy0 = micrometresOf(design.y);
    const auto mx = micrometresOf(peg.x), my = micrometresOf(peg.y);
    if (!dx0 || !dy0 || !mx || !my) {
        return row;  // a coordinate too long to compare
    }
    const std::int64_t dx = *mx - *dx0, dy = *my - *dy0;
    const Wide ax = static_cast<Wide>(dx < 0 ? -dx : dx), ay = static_cast<Wide>(dy < 0 ? -dy : dy);
    const Wide squared = ax * ax + ay * ay;
    const Wide limit = static_cast<Wide>(tolerance.micrometres) * tolerance.micrometres;
    row.dx = millimetresText(dx);
    row.dy = millimetresText(dy);
    row.deviation =
        tenthsText(static_cast<std::int64_t>((squareRootFloor(squared) + 50) / 100), false);
    row.verdict = squared <= limit ? Verdict::Within : Verdict::Beyond;
    return row;
}

// One decimal of a percentage, halves away from zero: (5, 6) -> "83.3".
std::string percentText(int part, int whole) {
    const std::int64_t tenths = (std::int64_t{2000} * part + whole) / (std::int64_t{2} * whole);
    return tenthsText(tenths, false);
}

}  // namespace

// Millimetres typed, to three decimals, as whole micrometres within (0, 10 m].
std::optional<Tolerance> toleranceFromText(std::string_view typed) {
    const std::size_t first = typed.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    typed = typed.substr(first, typed.find_last_not_of(" \t") + 1 - first);
    if (typed.front() == '+' || typed.front() == '-' || !decimalText(typed)) {
        return std::nullopt;
    }
    const std::size_t point = typed.find('.');
    const std::string_view whole = withoutLeadingZeros(typed.substr(0, point));
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : typed.substr(point + 1);
    if (whole.size() > 5 || fraction.size() > 3) {
        return std::nullopt;
    }
    std::int64_t micrometres = 0;
    for (const char c : whole) {
        micrometres = micrometres * 10 + (c - '0');
    }
    for (std::size_t k = 0; k < 3; ++k) {
        micrometres = micrometres * 10 + (k < fraction.size() ? fraction[k] - '0' : 0);
    }
    if (micrometres <= 0 || micrometres > kMaxToleranceMicrometres) {
        return std::nullopt;
    }
    return Tolerance{micrometres};
}

// Micrometres back to millimetres, trailing zeros dropped.
std::string toleranceText(Tolerance tolerance) {
    std::string text = std::to_string(tolerance.micrometres / 1000);
    std::string fraction = std::to_string(1000 + tolerance.micrometres % 1000).substr(1);
    fraction.erase(fraction.find_last_not_of('0') + 1);
    return fraction.empty() ? text : text + '.' + fraction;
}

// Sign, digits, at most one point: the field in its plain form, or nothing.
std::optional<std::string> decimalText(std::string_view field) {
    const std::optional<DecimalParts> parts = decimalParts(field);
    if (!parts) {
        return std::nullopt;
    }
    std::string text;
    text.reserve(field.size() + 1);
    if (parts->negative) {
        text += '-';
    }
    text += parts->whole.empty() ? std::string_view("0") : parts->whole;
    if (!parts->fraction.empty()) {
        text.append(".").append(parts->fraction);
    }
    return text;
}

// The text with zeros added up to three decimals.
std::string recordedDecimals(std::string_view text) {
    std::optional<std::string> decimal = decimalText(text);
    if (!decimal) {
        return std::string(text);
    }
    const std::size_t point = decimal->find('.');
    if (point == std::string::npos) {
        return *decimal + ".000";
    }
    const std::size_t decimals = decimal->size() - point - 1;
    return decimals >= 3 ? *decimal : *decimal + std::string(3 - decimals, '0');
}

// The name without its leading zeros, "0" for a name of zeros.
std::string pointNameKey(std::string_view name) {
    const std::string_view key = withoutLeadingZeros(name);
    return key.empty() && !name.empty() ? "0" : std::string(key);
}

// The Chinese word for each verdict.
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

// Matches pegs to design points by name key and compares each pair exactly.
StakeCheck checkStakeOut(const std::vector<StakeRow>& design, std::string_view prefix,
                         const std::vector<FieldPoint>& measured, Tolerance tolerance) {
    // The pegs by name: the place of the first appearance, the coordinates of the last;
    // pointed at where they stand, not copied.
    struct Peg {
        const FieldPoint* first;
        const FieldPoint* last;
    };
    std::vector<Peg> pegs;
    pegs.reserve(measured.size());
    std::unordered_map<std::string, std::size_t> slot;
    slot.reserve(measured.size());
    for (const FieldPoint& peg : measured) {
        const auto [at, fresh] = slot.try_emplace(pointNameKey(peg.name), pegs.size());
        if (fresh) {
            pegs.push_back({&peg, &peg});
        } else {
            pegs[at->second].last = &peg;
        }
    }
    std::vector<std::size_t> order(design.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&design](std::size_t a, std::size_t b) {
        return design[a].number < design[b].number;
    });

    StakeCheck check;
    check.rows.reserve(design.size() + pegs.size());
    std::vector<bool> matched(pegs.size(), false);
    for (const std::size_t k : order) {
        const std::string name = pointName(prefix, design[k]);
        const auto found = slot.find(pointNameKey(name));
        if (found == slot.end()) {
            check.rows.push_back(
                {name, design[k].x, design[k].y, "", "", "", "", "", Verdict::NotMeasured});
            ++check.notMeasured;
            continue;
        }
        matched[found->second] = true;
        check.rows.push_back(compared(name, design[k], *pegs[found->second].last, tolerance));
        ++(check.rows.back().verdict == Verdict::Within ? check.within : check.beyond);
    }
    for (std::size_t k = 0; k < pegs.size(); ++k) {
        if (!matched[k]) {
            check.rows.push_back({pegs[k].first->name, "", "", recordedDecimals(pegs[k].last->x),
                                  recordedDecimals(pegs[k].last->y), "", "", "",
                                  Verdict::NoDesign});
            ++check.noDesign;
        }
    }
    check.designPoints = static_cast<int>(design.size());
    check.passed = check.within == check.designPoints;
    return check;
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
