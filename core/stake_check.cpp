#include "core/stake_check.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numeric>
#include <stdexcept>

namespace korvel {
namespace {

// Squares of offsets in micrometres: up to 2·(2·10^18)², beyond 64 bits. GCC and Clang
// have the 128-bit integer on every target Korvel is built for.
__extension__ typedef unsigned __int128 Wide;

// The largest r with r² ≤ s (s below 2^126, so r below 2^63): the double's square root, a
// few units off at most, then moved in whole steps until it is exact. Offsets of a peg are
// mostly below a metre, and their squares fit in 64 bits, where the steps are cheap.
std::uint64_t squareRootFloor(Wide s) {
    if (s < (Wide{1} << 62)) {
        const auto small = static_cast<std::uint64_t>(s);
        std::uint64_t r = static_cast<std::uint64_t>(std::sqrt(static_cast<double>(small)));
        while (r > 0 && r * r > small) {
            --r;
        }
        while ((r + 1) * (r + 1) <= small) {
            ++r;
        }
        return r;
    }
    std::uint64_t r = static_cast<std::uint64_t>(std::sqrt(static_cast<double>(s)));
    while (r > 0 && Wide{r} * r > s) {
        --r;
    }
    while (Wide{r + 1} * (r + 1) <= s) {
        ++r;
    }
    return r;
}

// The rows are written through a pointer into room made for each row at once: thirty
// thousand rows of eight texts each, appended one by one, spend more time checking for room
// than writing. Each writer below writes at `out` and gives where it stopped.

// The most own texts a check keeps, so that their places fit in 32 bits.
constexpr std::size_t kMaxCheckTexts = 0xFFFF'FFFF;

// The most characters putTenths writes: a sign, 19 digits, the point and a decimal.
constexpr std::size_t kMaxTenths = 22;

// The most characters putRecordedDecimals adds to its text: "-.5" becomes "-0.500".
constexpr std::size_t kMaxRecordedGrowth = 4;

// Writes `text`.
char* put(char* out, std::string_view text) {
    return std::copy(text.begin(), text.end(), out);
}

// Writes tenths with one decimal: 123 -> "12.3", -4 -> "-0.4", 0 -> "0.0".
char* putTenths(char* out, std::uint64_t tenths, bool negative) {
    if (negative && tenths != 0) {
        *out++ = '-';
    }
    out = std::to_chars(out, out + 20, tenths / 10).ptr;
    *out++ = '.';
    *out++ = static_cast<char>('0' + tenths % 10);
    return out;
}

// Writes micrometres as millimetres with one decimal, halves away from zero.
char* putMillimetres(char* out, std::int64_t micrometres) {
    const std::uint64_t magnitude =
        micrometres < 0 ? 0 - static_cast<std::uint64_t>(micrometres) : micrometres;
    return putTenths(out, (magnitude + 50) / 100, micrometres < 0);
}

// Writes a coordinate text, as readDecimal read it, with the decimals it was recorded with,
// at least three, as recordedDecimals shows it: at most kMaxRecordedGrowth more characters.
char* putRecordedDecimals(char* out, std::string_view text, const DecimalParts& read) {
    if (!read.valid) {
        return put(out, text);
    }
    if (read.negative) {
        *out++ = '-';
    }
    out = put(out, read.whole.empty() ? std::string_view("0") : read.whole);
    *out++ = '.';
    out = put(out, read.fraction);
    for (std::size_t k = read.fraction.size(); k < 3; ++k) {
        *out++ = '0';
    }
    return out;
}

// Whether `text` is ASCII only: its bytes or-ed together, which the compiler does many at a
// time.
bool isAscii(std::string_view text) {
    unsigned char high = 0;
    for (const char c : text) {
        high |= static_cast<unsigned char>(c);
    }
    return (high & 0x80) == 0;
}

// A line of the check while it is written into room made for it at the end of the check's
// texts.
struct RowWriter {
    StakeCheck& check;
    CheckRow row;
    char* out;             // where the next text goes
    std::size_t text = 0;  // the text written next

    // Ends the text being written where `out` stands; a text shown from elsewhere is
    // `shownSize` long.
    void endText(std::size_t shownSize = 0) {
        const auto end = static_cast<std::uint32_t>(out - (check.texts.data() + row.start));
        const std::size_t size =
            std::max<std::size_t>(end - (text == 0 ? 0 : row.ends[text - 1]), shownSize);
        check.longest[text] = std::max(check.longest[text], size);
        row.ends[text++] = end;
    }
    // Writes `value` as the next text.
    void add(std::string_view value) {
        out = put(out, value);
        endText();
    }
    // The next text is `value` as the design row or the peg holds it: the row has none of
    // its own.
    void show(std::string_view value) {
        row.shown |= static_cast<std::uint8_t>(1u << text);
        endText(value.size());
    }
    // The next text is a peg's coordinate, as recordedDecimals shows it: shown from the peg
    // when recorded so, else written.
    void addRecorded(std::string_view coordinate, const DecimalParts& read) {
        if (read.valid && !coordinate.starts_with('+') && !read.whole.empty() &&
            read.fraction.size() >= 3) {
            show(coordinate);
        } else {
            check.asciiOnly = check.asciiOnly && (read.valid || isAscii(coordinate));
            out = putRecordedDecimals(out, coordinate, read);
            endText();
        }
    }
    // Ends the texts left empty, gives back the room not written and adds the row.
    void finish(Verdict verdict) {
        while (text < row.ends.size()) {
            endText();
        }
        check.texts.resize(static_cast<std::size_t>(out - check.texts.data()));
        row.verdict = verdict;
        check.rows.push_back(row);
    }
};

// A line starting at the end of the check's texts, with room for `room` characters of its
// own, showing texts of design row `design` and peg `peg` (or kNoPlace).
RowWriter startRow(StakeCheck& check, std::size_t room, std::size_t design, std::size_t peg) {
    const std::size_t start = check.texts.size();
    if (start > kMaxCheckTexts || room > kMaxCheckTexts - start) {
        throw std::length_error("check texts beyond 4 GiB");
    }
    check.texts.resize(start + room);
    CheckRow row;
    row.start = static_cast<std::uint32_t>(start);
    row.design = static_cast<std::uint32_t>(design);
    row.peg = static_cast<std::uint32_t>(peg);
    return {check, row, check.texts.data() + start};
}

// The room writeCompared takes after the texts before it.
std::size_t comparedRoom(const FieldPoint& peg) {
    return peg.x.size() + peg.y.size() + 2 * kMaxRecordedGrowth + 3 * kMaxTenths;
}

// Writes the measured coordinates, the offsets and the deviation of the design point
// against its peg, and gives the verdict. The deviation d rounds to n tenths of a
// millimetre when d ≥ 100n − 50 µm; that bound is a whole number, so it holds exactly when
// it holds for the floor of √(ΔX²+ΔY²), and n comes from that.
Verdict writeCompared(RowWriter& writer, const StakeRow& design, const FieldPoint& peg,
                      Tolerance tolerance) {
    const DecimalParts pegX = readDecimal(peg.x), pegY = readDecimal(peg.y);
    writer.addRecorded(peg.x, pegX);
    writer.addRecorded(peg.y, pegY);
    const auto dx0 = readDecimal(design.x).micrometres;
    const auto dy0 = readDecimal(design.y).micrometres;
    const auto mx = pegX.micrometres, my = pegY.micrometres;
    if (!dx0 || !dy0 || !mx || !my) {
        for (int k = 0; k < 3; ++k) {  // a coordinate too long to compare
            writer.add("—");
        }
        writer.check.asciiOnly = false;
        return Verdict::Beyond;
    }
    const std::int64_t dx = *mx - *dx0, dy = *my - *dy0;
    const Wide ax = static_cast<Wide>(dx < 0 ? -dx : dx), ay = static_cast<Wide>(dy < 0 ? -dy : dy);
    const Wide squared = ax * ax + ay * ay;
    const Wide limit = static_cast<Wide>(tolerance.micrometres) * tolerance.micrometres;
    writer.out = putMillimetres(writer.out, dx);
    writer.endText();
    writer.out = putMillimetres(writer.out, dy);
    writer.endText();
    writer.out = putTenths(writer.out, (squareRootFloor(squared) + 50) / 100, false);
    writer.endText();
    return squared <= limit ? Verdict::Within : Verdict::Beyond;
}

}  // namespace

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

// Each text written after the last, its end noted.
void appendCheckRow(StakeCheck& check, const CheckTexts& texts, Verdict verdict) {
    std::size_t room = 0;
    for (const std::string_view text : texts) {
        room += text.size();
    }
    RowWriter writer = startRow(check, room, kNoPlace, kNoPlace);
    for (const std::string_view text : texts) {
        check.asciiOnly = check.asciiOnly && isAscii(text);
        writer.add(text);
    }
    writer.finish(verdict);
}

// The own texts cut from the buffer at the ends noted, the others taken from the design row
// and the peg.
CheckFields checkFields(const StakeCheck& check, const CheckRow& row) {
    const char* const texts = check.texts.data() + row.start;
    CheckFields fields;
    std::uint32_t from = 0;
    for (std::size_t k = 0; k < row.ends.size(); ++k) {
        fields[k] = std::string_view(texts + from, row.ends[k] - from);
        from = row.ends[k];
    }
    if (row.shown != 0) {
        if (row.design != kNoPlace) {
            const StakeRow& design = check.design[row.design];
            fields[1] = (row.shown & 2) != 0 ? std::string_view(design.x) : fields[1];
            fields[2] = (row.shown & 4) != 0 ? std::string_view(design.y) : fields[2];
        }
        if (row.peg != kNoPlace) {
            const FieldPoint peg = fieldPointAt(check.pegs, row.peg);
            fields[0] = (row.shown & 1) != 0 ? peg.name : fields[0];
            fields[3] = (row.shown & 8) != 0 ? peg.x : fields[3];
            fields[4] = (row.shown & 16) != 0 ? peg.y : fields[4];
        }
    }
    fields.back() = verdictText(row.verdict);
    return fields;
}

// Matches pegs to design points by name key and compares each pair exactly.
StakeCheck checkStakeOut(std::vector<StakeRow> designRows, std::string_view prefix,
                         FieldPoints measuredPegs, Tolerance tolerance) {
    StakeCheck check;
    check.design = std::move(designRows);
    check.pegs = std::move(measuredPegs);
    const std::vector<StakeRow>& design = check.design;
    const FieldPoints& measured = check.pegs;
    // The pegs a design point was found for.
    std::vector<char> matched(measured.places.size(), 0);
    // Pegs are mostly measured in the order of the design points: the peg after the one
    // found last is tried before the table, which then is seldom looked into.
    std::size_t next = 0;
    // The run gives its rows in number order; only rows from elsewhere need sorting.
    const bool inOrder =
        std::is_sorted(design.begin(), design.end(),
                       [](const StakeRow& a, const StakeRow& b) { return a.number < b.number; });
    std::vector<std::size_t> order;
    if (!inOrder) {
        order.resize(design.size());
        std::iota(order.begin(), order.end(), std::size_t{0});
        std::stable_sort(order.begin(), order.end(), [&design](std::size_t a, std::size_t b) {
            return design[a].number < design[b].number;
        });
    }

    // Room for every text at once, so that the buffer is not copied as it grows: pages
    // reserved but never written cost nothing.
    check.texts.reserve(design.size() * (prefix.size() + 96) + measured.texts.size());
    check.rows.reserve(design.size() + measured.places.size());
    check.asciiOnly = isAscii(prefix);
    std::string name;  // the design point's, its room kept from one row to the next
    for (std::size_t n = 0; n < design.size(); ++n) {
        const std::size_t k = inOrder ? n : order[n];
        name.clear();
        appendPointName(name, prefix, design[k]);
        const std::string_view key = pointNameKey(name);
        const std::optional<std::size_t> found =
            next < matched.size() && pointNameKey(fieldPointAt(measured, next).name) == key
                ? next
                : findFieldPoint(measured, key);
        const FieldPoint peg = found ? fieldPointAt(measured, *found) : FieldPoint{};
        RowWriter writer = startRow(check, name.size() + (found ? comparedRoom(peg) : 0), k,
                                    found.value_or(kNoPlace));
        writer.add(name);
        writer.show(design[k].x);
        writer.show(design[k].y);
        check.asciiOnly = check.asciiOnly && isAscii(design[k].x) && isAscii(design[k].y);
        if (!found) {
            writer.finish(Verdict::NotMeasured);
            ++check.notMeasured;
            continue;
        }
        matched[*found] = 1;
        next = *found + 1;
        const Verdict verdict = writeCompared(writer, design[k], peg, tolerance);
        writer.finish(verdict);
        ++(verdict == Verdict::Within ? check.within : check.beyond);
    }
    for (std::size_t k = 0; k < matched.size(); ++k) {
        if (!matched[k]) {
            const FieldPoint peg = fieldPointAt(measured, k);
            RowWriter writer =
                startRow(check, peg.x.size() + peg.y.size() + 2 * kMaxRecordedGrowth, kNoPlace, k);
            writer.show(peg.name);
            writer.endText();
            writer.endText();
            check.asciiOnly = check.asciiOnly && isAscii(peg.name);
            writer.addRecorded(peg.x, readDecimal(peg.x));
            writer.addRecorded(peg.y, readDecimal(peg.y));
            writer.finish(Verdict::NoDesign);
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
