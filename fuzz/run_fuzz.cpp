// Whole runs on arbitrary texts and selections. Checks what a surveyor relies on: at most
// 32767 rows, numbered 1..n without gaps, every row in the fixed layout with finite
// "0.000" coordinates of at most 15 significant digits, and a message that is one of the
// program's own.
#include <fuzzer/FuzzedDataProvider.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/messages.h"
#include "core/run.h"
#include "fuzz/fuzz_check.h"

namespace {

// Whether `s` is a "0.000" field: -?[0-9]+\.[0-9]{3}, "-0.000" included (a point a hair
// below zero keeps its side), no leading 0 before other whole digits, no more than 15
// significant digits before only 0s, and a finite value.
bool isCoordinate(std::string_view s) {
    std::string_view digits = s;
    if (digits.starts_with('-'))
        digits.remove_prefix(1);
    const std::size_t point = digits.find('.');
    if (point == std::string_view::npos || point == 0 || digits.size() != point + 4 ||
        (digits[0] == '0' && point > 1))
        return false;
    int significant = 0;
    for (std::size_t j = 0; j < digits.size(); ++j) {
        if (j == point)
            continue;
        if (digits[j] < '0' || digits[j] > '9')
            return false;
        if (significant > 0 || digits[j] != '0')
            ++significant;
        if (significant > 15 && digits[j] != '0')
            return false;
    }
    double value = 0;
    const auto res = std::from_chars(s.data(), s.data() + s.size(), value);
    return res.ec == std::errc() && std::isfinite(value);
}

// Whether `line` is point `number` in the row layout: the number right-aligned in at
// least three characters, five blanks, X, five blanks, Y.
bool isRow(std::string_view line, int number) {
    std::string expected = std::to_string(number);
    if (expected.size() < 3)
        expected.insert(0, 3 - expected.size(), ' ');
    if (!line.starts_with(expected + "     "))
        return false;
    line.remove_prefix(expected.size() + 5);
    const std::size_t gap = line.find("     ");
    if (gap == std::string_view::npos)
        return false;
    return isCoordinate(line.substr(0, gap)) && isCoordinate(line.substr(gap + 5));
}

// Whether `message` is "有N个点无法计算，已略去" with N ≥ 1.
bool isSkippedMessage(std::string_view message) {
    constexpr std::string_view head = "有";
    constexpr std::string_view tail = "个点无法计算，已略去";
    if (!message.starts_with(head) || !message.ends_with(tail))
        return false;
    const std::string_view digits =
        message.substr(head.size(), message.size() - head.size() - tail.size());
    long long n = 0;
    const auto res = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    return res.ec == std::errc() && res.ptr == digits.data() + digits.size() && n >= 1 &&
           digits[0] != '0';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    korvel::Selection selection;
    const auto flags = in.ConsumeIntegral<std::uint8_t>();
    selection.option5 = (flags & 1) != 0;
    for (std::size_t k = 0; k < 4; ++k)
        selection.position[k] = (flags >> (k + 1) & 1) != 0;
    std::array<std::string, 8> texts;
    for (auto& text : texts)
        text = in.ConsumeRandomLengthString(64);

    const korvel::RunResult r = korvel::runCalculation(texts, selection);
    FUZZ_CHECK(r.lines.size() <= static_cast<std::size_t>(korvel::kMaxRows), "row limit");
    for (std::size_t k = 0; k < r.lines.size(); ++k) {
        FUZZ_CHECK(isRow(r.lines[k], static_cast<int>(k) + 1), "row layout and numbering");
    }
    const bool known = r.message.empty() || r.message == korvel::kMessageEmptyInput ||
                       r.message == korvel::kMessageStepNotPositive ||
                       r.message == korvel::kMessageTooManyRows || isSkippedMessage(r.message);
    FUZZ_CHECK(known, "one of the program's messages");
    if (r.message == korvel::kMessageEmptyInput || r.message == korvel::kMessageStepNotPositive ||
        r.message == korvel::kMessageTooManyRows) {
        FUZZ_CHECK(r.lines.empty(), "a refused run has no rows");
    }
    const bool anyPosition = selection.position[0] || selection.position[1] ||
                             selection.position[2] || selection.position[3];
    if (!anyPosition)
        FUZZ_CHECK(r.lines.empty(), "no position, no rows");
    return 0;
}
