#include "core/stake_row.h"

#include <algorithm>
#include <string>

#include "core/decimal.h"
#include "core/decimal_digit.h"

namespace korvel {

namespace {

constexpr int kDecimals = 3;

}  // namespace

StakeRow makeStakeRow(int number, double x, double y) {
    return {number, formatFixed(x, kDecimals), formatFixed(y, kDecimals)};
}

std::string stakeRowLine(const StakeRow& row) {
    constexpr std::size_t kNumberWidth = 3;
    const std::string digits = std::to_string(row.number);
    std::string line;
    line.reserve(16 + row.x.size() + row.y.size());
    if (digits.size() < kNumberWidth)
        line.append(kNumberWidth - digits.size(), ' ');
    line += digits;
    line += "     ";
    line += row.x;
    line += "     ";
    line += row.y;
    return line;
}

std::string pointName(std::string_view prefix, const StakeRow& row) {
    return std::string(prefix) + std::to_string(row.number);
}

namespace {

// The length of the run of digits at the start of `text`.
std::size_t digitRun(std::string_view text) {
    std::size_t n = 0;
    while (n < text.size() && isDecimalDigit(text[n]))
        ++n;
    return n;
}

// Takes the blanks at the start of `text` off; false when there were none.
bool skipBlanks(std::string_view& text) {
    const std::size_t n = std::min(text.find_first_not_of(' '), text.size());
    text.remove_prefix(n);
    return n > 0;
}

// Takes a "0.000" coordinate off the start of `text`; nothing when none starts it.
std::optional<std::string_view> takeCoordinate(std::string_view& text) {
    const std::size_t sign = text.starts_with('-') ? 1 : 0;
    const std::size_t whole = digitRun(text.substr(sign));
    const std::size_t point = sign + whole;
    if (whole == 0 || point + 4 > text.size() || text[point] != '.' ||
        digitRun(text.substr(point + 1, 3)) != 3)
        return std::nullopt;
    const std::string_view coordinate = text.substr(0, point + 4);
    text.remove_prefix(point + 4);
    return coordinate;
}

}  // namespace

std::optional<StakeRowFields> splitStakeRow(std::string_view line) {
    skipBlanks(line);
    const std::size_t digits = digitRun(line);
    if (digits == 0)
        return std::nullopt;
    StakeRowFields fields;
    fields.number = line.substr(0, digits);
    line.remove_prefix(digits);
    if (!skipBlanks(line))
        return std::nullopt;
    const std::optional<std::string_view> x = takeCoordinate(line);
    if (!x || !skipBlanks(line))
        return std::nullopt;
    const std::optional<std::string_view> y = takeCoordinate(line);
    if (!y || !line.empty())
        return std::nullopt;
    fields.x = *x;
    fields.y = *y;
    return fields;
}

}  // namespace korvel
