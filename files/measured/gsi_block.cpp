#include "files/measured/gsi_block.h"

#include <algorithm>
#include <array>
#include <string>

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

// Writes a coordinate word's data into `text` as a decimal text: the sign, the digits
// without their leading zeros, and the unit's decimals. "+0000000005008352" with 3 decimals
// -> "5008.352"; "-00000012" with 4 -> "-0.0012".
void writeGsiDecimal(std::string& text, char sign, std::string_view data, std::size_t decimals) {
    std::size_t zeros = 0;
    while (zeros < data.size() && data[zeros] == '0') {
        ++zeros;
    }
    const std::string_view digits = data.substr(zeros);
    // A sign, "0.", the zeros before the digits, and the digits: at most 16 of them and 5
    // decimals.
    std::array<char, 32> written;
    char* out = written.data();
    if (sign == '-') {
        *out++ = '-';
    }
    if (digits.size() <= decimals) {
        *out++ = '0';
        *out++ = '.';
        out = std::fill_n(out, decimals - digits.size(), '0');
        out = std::copy(digits.begin(), digits.end(), out);
    } else {
        const std::size_t whole = digits.size() - decimals;
        out = std::copy(digits.begin(), digits.begin() + static_cast<std::ptrdiff_t>(whole), out);
        *out++ = '.';
        out = std::copy(digits.begin() + static_cast<std::ptrdiff_t>(whole), digits.end(), out);
    }
    text.assign(written.data(), out);
}

// The name in word 11's data: blanks around it and the zeros in front dropped; "0" for
// zeros only, empty for blanks only. A view into `data` (or of a constant "0").
std::string_view gsiName(std::string_view data) {
    const std::size_t first = data.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    data = data.substr(first, data.find_last_not_of(' ') + 1 - first);
    const std::size_t digit = data.find_first_not_of('0');
    return digit == std::string_view::npos ? std::string_view("0") : data.substr(digit);
}

}  // namespace

// Word by word along the block: the name, the three coordinates, the rest passed over.
GsiBlock readGsiBlock(std::string_view line, int lineNumber, GsiTexts& texts) {
    const bool gsi16 = line.starts_with('*');
    const std::size_t dataLength = gsi16 ? 16 : 8;
    std::size_t pos = gsi16 ? 1 : 0;
    std::optional<std::string_view> name;
    std::array<bool, 3> given{};  // words 81, 82, 83
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
            const auto k = static_cast<std::size_t>(word[1] - '1');
            writeGsiDecimal(texts.coordinates[k], word[6], data, decimals);
            given[k] = true;
        }
        pos += word.size() + 1;
    }
    if (!name || name->empty() || !given[0] || !given[1]) {
        return {};
    }
    const auto& c = texts.coordinates;
    return {FieldPoint{*name, c[1], c[0], given[2] ? std::string_view(c[2]) : std::string_view()},
            {}};
}

}  // namespace korvel
