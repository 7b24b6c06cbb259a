#include "files/points/point_list.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/decimal.h"
#include "core/stake_row.h"

namespace korvel {
namespace {

// The characters a point name may hold on every instrument and in every drawing program.
bool isNameCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_' || c == '.';
}

}  // namespace

// Point numbers run 1..rowCount, so the longest name ends in rowCount's digits.
NameProblem nameProblem(std::string_view prefix, std::size_t rowCount) {
    if (!std::all_of(prefix.begin(), prefix.end(), isNameCharacter)) {
        return NameProblem::IllegalPrefix;
    }
    const std::size_t longest =
        prefix.size() + std::to_string(std::max<std::size_t>(rowCount, 1)).size();
    return longest > kMaxPointNameLength ? NameProblem::TooLong : NameProblem::None;
}

std::string nameProblemText(NameProblem problem) {
    switch (problem) {
        case NameProblem::IllegalPrefix:
            return "点名前缀只能含字母、数字和 - _ .";
        case NameProblem::TooLong:
            return "点名超过16个字符";
        case NameProblem::None:
            break;
    }
    return {};
}

// from_chars reads the whole text in the "C" way whatever the locale; a leading "+" is
// allowed as people type it.
std::optional<std::string> elevationText(std::string_view typed) {
    if (typed.size() > 1 && typed[0] == '+' && typed[1] != '-') {
        typed.remove_prefix(1);
    }
    double value = 0.0;
    const char* end = typed.data() + typed.size();
    const auto [ptr, ec] = std::from_chars(typed.data(), end, value);
    if (typed.empty() || ec != std::errc() || ptr != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return formatFixed(value, 3);
}

NamedPoints namePoints(const std::vector<std::string>& rows, std::string_view prefix) {
    NamedPoints named;
    if (const NameProblem problem = nameProblem(prefix, rows.size());
        problem != NameProblem::None) {
        named.error = nameProblemText(problem);
        return named;
    }
    named.points.reserve(rows.size());
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const std::optional<StakeRowFields> fields = splitStakeRow(rows[k]);
        if (!fields || prefix.size() + fields->number.size() > kMaxPointNameLength) {
            named.points.clear();
            named.error = fields ? nameProblemText(NameProblem::TooLong)
                                 : "第" + std::to_string(k + 1) + "行不是成果行";
            return named;
        }
        NamedPoint point;
        point.name.reserve(prefix.size() + fields->number.size());
        point.name.append(prefix).append(fields->number);
        point.x = fields->x;
        point.y = fields->y;
        named.points.push_back(std::move(point));
    }
    return named;
}

}  // namespace korvel
