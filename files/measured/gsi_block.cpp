#include "files/measured/gsi_block.h"

#include <algorithm>
#include <array>
#include <string>

#include "core/decimal_text.h"

namespace korvel {
namespace {

// The characters of a word before its data: index, information, sign.
constexpr std::size_t kWordHead = 7;

// The word as a problem's reason: at most one GSI-16 word, anything but printable ASCII
// shown as "?".
std::string shownWord(std::string_view word) {
    std::string shown(word.substr(0, kWordHead + 16));
    for (char& c : shown) {
        if (c < 0x20 || c > 0x7e) {
            c = '?';
        }
    }
    return shown;
}

// A refusal of the file for the word at `line`.
GsiBlock refused(ProblemCode code, int lineNumber, std::string_view word) {
    return {std::nullopt, {code, std::to_string(lineNumber), shownWord(word), {}}};
}

// Whether `text` is all ASCII digits.
bool allDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A coordinate word's data as a decimal text: the sign, the digits without their leading
// zeros, and the unit's decimals.
//   ('+', "0000000005008352", 3) -> "5008.352"    ('-', "00000012", 4) -> "-0.0012"
//   ('-', "00000000", 3) -> "-0.000"
std::string gsiDecimal(char sign, std::string_view data, std::size_t decimals) {
    const std::string_view digits = withoutLeadingZeros(data);
    std::string text = sign == '-' ? "-" : "";
    if (digits.size() <= decimals) {
        text.append("0.").append(decimals - digits.size(), '0').append(digits);
    } else {
        const std::size_t whole = digits.size() - decimals;
        text.append(digits.substr(0, whole)).append(".").append(digits.substr(whole));
    }
    return text;
}

// The name in word 11's data: blanks around it and the zeros in front dropped; "0" for
// zeros only, empty for blanks only.
std::string gsiName(std::string_view data) {
    const std::size_t first = data.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(
        withoutLeadingZeros(data.substr(first, data.find_last_not_of(' ') + 1 - first)));
}

}  // namespace

// Word by word along the block: the name, the three coordinates, the rest passed over.
GsiBlock readGsiBlock(std::string_view line, int lineNumber) {
    const bool gsi16 = line.starts_with('*');
    const std::size_t dataLength = gsi16 ? 16 : 8;
    std::size_t pos = gsi16 ? 1 : 0;
    std::optional<std::string> name;
    std::array<std::optional<std::string>, 3> coordinates;  // words 81, 82, 83
    // Word after word, until only blanks are left.
    const auto wordAhead = [&line](std::size_t at) {
        while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) {
            ++at;
        }
        return at < line.size();
    };
    while (wordAhead(pos)) {
        const std::string_view word = line.substr(pos, kWordHead + dataLength);
        const bool wellFormed =
            word.size() == kWordHead + dataLength && allDigits(word.substr(0, 2)) &&
            std::all_of(word.begin() + 2, word.begin() + 6,
                        [](char c) { return c == '.' || (c >= '0' && c <= '9'); }) &&
            (word[6] == '+' || word[6] == '-') &&
            (pos + word.size() == line.size() || line[pos + word.size()] == ' ');
        if (!wellFormed) {
            return refused(ProblemCode::GsiBadWord, lineNumber, line.substr(pos));
        }
        const std::string_view data = word.substr(kWordHead);
        if (word[0] == '1' && word[1] == '1') {
            name = gsiName(data);
        } else if (word[0] == '8' && word[1] >= '1' && word[1] <= '3') {
            // The sixth character is the unit: metres to 1, 0.1 or 0.01 mm; feet refused.
            const char unit = word[5];
            if (unit == '1' || unit == '7') {
                return refused(ProblemCode::GsiFeet, lineNumber, word);
            }
            if (unit != '0' && unit != '6' && unit != '8') {
                return refused(ProblemCode::GsiBadUnit, lineNumber, word);
            }
            if (!allDigits(data)) {
                return refused(ProblemCode::GsiBadWord, lineNumber, word);
            }
            const std::size_t decimals = unit == '0' ? 3 : unit == '6' ? 4 : 5;
            coordinates[static_cast<std::size_t>(word[1] - '1')] =
                gsiDecimal(word[6], data, decimals);
        }
        pos += word.size() + 1;
    }
    if (!name || name->empty() || !coordinates[0] || !coordinates[1]) {
        return {};
    }
    return {FieldPoint{std::move(*name), std::move(*coordinates[1]), std::move(*coordinates[0]),
                       coordinates[2].value_or("")},
            {}};
}

}  // namespace korvel
