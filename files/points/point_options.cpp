#include "files/points/point_options.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/decimal.h"

namespace korvel {
namespace {

// The characters a point name may hold on every instrument and in every drawing program.
bool isNameCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_' || c == '.';
}

}  // namespace

std::string_view withoutBlanksAround(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// from_chars reads the whole text in the "C" way whatever the locale; a leading "+" is
// allowed as people type it.
std::optional<double> typedNumber(std::string_view typed) {
    typed = withoutBlanksAround(typed);
    if (typed.size() > 1 && typed[0] == '+' && typed[1] != '-') {
        typed.remove_prefix(1);
    }
    double value = 0.0;
    const char* end = typed.data() + typed.size();
    const auto [ptr, ec] = std::from_chars(typed.data(), end, value);
    if (typed.empty() || ec != std::errc() || ptr != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::string> elevationText(std::string_view typed) {
    const std::optional<double> value = typedNumber(typed);
    if (!value) {
        return std::nullopt;
    }
    return formatFixed(*value, 3);
}

CheckedPointOptions checkPointOptions(const TypedPointOptions& typed) {
    const std::optional<std::string> elevation = elevationText(typed.elevation);
    if (!elevation) {
        return {{}, problemAbout(ProblemCode::ElevationNotNumber, typed.elevation)};
    }
    if (Problem prefix = prefixProblem(typed.prefix)) {
        return {{}, std::move(prefix)};
    }
    return {{*elevation, typed.prefix}, {}};
}

Problem prefixProblem(std::string_view prefix) {
    if (!std::all_of(prefix.begin(), prefix.end(), isNameCharacter)) {
        return problemAbout(ProblemCode::IllegalPrefix, std::string(prefix));
    }
    return {};
}

// The longest name is the largest number's.
Problem nameLengthProblem(std::string_view prefix, const std::vector<StakeRow>& rows) {
    return nameLengthProblem(std::vector<NamedPoints>{{prefix, "", rows}});
}

NamedPoints namedPoints(const PointLine& line) {
    return {line.prefix, line.elevation, line.rows};
}

Problem nameLengthProblem(std::span<const NamedPoints> lines) {
    for (const NamedPoints& line : lines) {
        int largest = 0;
        for (const StakeRow& row : line.rows) {
            largest = std::max(largest, row.number);
        }
        const std::string longest = pointName(line.prefix, {largest, {}, {}});
        if (longest.size() > kMaxPointNameLength) {
            return problemAbout(ProblemCode::NameTooLong, longest);
        }
    }
    return {};
}

}  // namespace korvel
