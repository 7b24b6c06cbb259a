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

std::string encodeCassDat(const std::vector<NamedPoint>& points, std::string_view elevation) {
    std::string out;
    out.reserve(points.size() * kDelimitedLine);
    for (const NamedPoint& p : points) {
        appendLine(out, {p.name, "", p.y, p.x, elevation});
    }
    return out;
}

std::string encodePointCsv(const std::vector<NamedPoint>& points, std::string_view elevation) {
    std::string out;
    out.reserve(points.size() * kDelimitedLine);
    for (const NamedPoint& p : points) {
        appendLine(out, {p.name, p.x, p.y, elevation, ""});
    }
    return out;
}

GsiFile encodeGsi16(const std::vector<NamedPoint>& points, std::string_view elevation) {
    GsiFile file;
    file.bytes.reserve(points.size() * kGsiBlock);
    for (std::size_t k = 0; k < points.size(); ++k) {
        const NamedPoint& p = points[k];
        file.bytes += '*';
        const bool fits = appendGsiWord(file.bytes, "11", blockNumber(k + 1), '+', p.name) &&
                          appendGsiMetres(file.bytes, "81", p.y) &&
                          appendGsiMetres(file.bytes, "82", p.x) &&
                          appendGsiMetres(file.bytes, "83", elevation);
        if (!fits) {
            return {{}, "点" + p.name + "的坐标超出GSI-16的16位"};
        }
        file.bytes += "\r\n";
    }
    return file;
}

}  // namespace korvel
