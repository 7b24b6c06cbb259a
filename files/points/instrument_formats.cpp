#include "files/points/instrument_formats.h"

#include <cstddef>
#include <optional>

namespace korvel {
namespace {

// The room one point's line or block takes, for reserving.
constexpr std::size_t kDelimitedLine = 48;
constexpr std::size_t kGsiBlock = 1 + 4 * 24 + 2;
constexpr std::size_t kGsiData = 16;

// One delimited line: the fields joined by commas, then CR LF.
void appendLine(std::string& out, std::initializer_list<std::string_view> fields) {
    bool first = true;
    for (const std::string_view field : fields) {
        if (!first) {
            out += ',';
        }
        out.append(field);
        first = false;
    }
    out += "\r\n";
}

// A GSI-16 word: index, information, sign, 16 data characters zero-filled on the left, and
// the blank that ends it; false when the data do not fit.
bool appendGsiWord(std::string& out, std::string_view index, std::string_view info, char sign,
                   std::string_view data) {
    if (data.size() > kGsiData) {
        return false;
    }
    out.append(index).append(info) += sign;
    out.append(kGsiData - data.size(), '0').append(data) += ' ';
    return true;
}

// A "0.000" text as the word's sign and millimetres: "-12.050" -> '-', "12050".
bool appendGsiMetres(std::string& out, std::string_view index, std::string_view value) {
    const char sign = value.starts_with('-') ? '-' : '+';
    if (sign == '-') {
        value.remove_prefix(1);
    }
    std::string digits;
    digits.reserve(value.size());
    for (const char c : value) {
        if (c != '.') {
            digits += c;
        }
    }
    // Entered by hand ("..1"), metres with the last digit a millimetre ("0").
    return appendGsiWord(out, index, "..10", sign, digits);
}

// Four digits of the block number for word 11's information: 1 -> "0001", 12345 -> "2345".
std::string blockNumber(std::size_t block) {
    std::string digits = std::to_string(block % 10000);
    digits.insert(0, 4 - digits.size(), '0');
    return digits;
}

}  // namespace

std::string encodeCassDat(std::span<const NamedPoints> lines) {
    std::string out;
    for (const NamedPoints& line : lines) {
        out.reserve(out.size() + line.rows.size() * kDelimitedLine);
        for (const StakeRow& row : line.rows) {
            appendLine(out, {pointName(line.prefix, row), "", row.y, row.x, line.elevation});
        }
    }
    return out;
}

std::string encodePointCsv(std::span<const NamedPoints> lines) {
    std::string out;
    for (const NamedPoints& line : lines) {
        out.reserve(out.size() + line.rows.size() * kDelimitedLine);
        for (const StakeRow& row : line.rows) {
            appendLine(out, {pointName(line.prefix, row), row.x, row.y, line.elevation, ""});
        }
    }
    return out;
}

EncodedFile encodeGsi16(std::span<const NamedPoints> lines) {
    EncodedFile file;
    std::size_t block = 0;
    for (const NamedPoints& line : lines) {
        file.bytes.reserve(file.bytes.size() + line.rows.size() * kGsiBlock);
        for (const StakeRow& row : line.rows) {
            const std::string name = pointName(line.prefix, row);
            file.bytes += '*';
            const bool fits = appendGsiWord(file.bytes, "11", blockNumber(++block), '+', name) &&
                              appendGsiMetres(file.bytes, "81", row.y) &&
                              appendGsiMetres(file.bytes, "82", row.x) &&
                              appendGsiMetres(file.bytes, "83", line.elevation);
            if (!fits) {
                return {{}, problemAbout(ProblemCode::CoordinateTooLongForGsi, name)};
            }
            file.bytes += "\r\n";
        }
    }
    return file;
}

}  // namespace korvel
