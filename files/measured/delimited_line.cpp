#include "files/measured/delimited_line.h"

#include <array>
#include <string>

#include "core/decimal_text.h"

namespace korvel {
namespace {

// Whether `c` is a blank or a tab.
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// A field without the blanks and tabs around it and without a pair of double quotes.
std::string_view trimmed(std::string_view field) {
    while (!field.empty() && isBlank(field.front())) {
        field.remove_prefix(1);
    }
    while (!field.empty() && isBlank(field.back())) {
        field.remove_suffix(1);
    }
    if (field.size() >= 2 && field.front() == '"' && field.back() == '"') {
        field = field.substr(1, field.size() - 2);
    }
    return field;
}

// The fields of a line a point is read from: the name (field 0) and the three from field
// `first` on (two coordinates and H), and how many fields the line has, counted as far as
// the last of those.
struct LineFields {
    std::string_view name;
    std::array<std::string_view, 3> coordinates;
    std::size_t count = 0;
};

// The fields of a line: split at each comma when it has one, else at each tab when it has
// one, else at runs of blanks. The fields after the ones a point uses are not looked at.
LineFields fieldsOf(std::string_view line, std::size_t first) {
    LineFields fields;
    const char separator = line.find(',') != std::string_view::npos    ? ','
                           : line.find('\t') != std::string_view::npos ? '\t'
                                                                       : ' ';
    std::size_t start = 0;
    for (std::size_t k = 0; k <= line.size() && fields.count < first + 3; ++k) {
        if (k < line.size() && line[k] != separator) {
            continue;
        }
        const std::string_view field = trimmed(line.substr(start, k - start));
        start = k + 1;
        // Blanks in a run separate one field; commas and tabs each end one, empty or not.
        if (separator == ' ' && field.empty()) {
            continue;
        }
        if (fields.count == 0) {
            fields.name = field;
        } else if (fields.count >= first) {
            fields.coordinates[fields.count - first] = field;
        }
        ++fields.count;
    }
    return fields;
}

}  // namespace

std::optional<FieldPoint> readDelimitedLine(std::string_view line, MeasuredFormat format,
                                            CoordinateOrder order) {
    // CASS puts a code between the name and Y, X; the others give the two coordinates first.
    const std::size_t first = format == MeasuredFormat::CassDat ? 2 : 1;
    const LineFields fields = fieldsOf(line, first);
    if (fields.count < first + 2 || fields.name.empty()) {
        return std::nullopt;
    }
    const bool eastFirst = format == MeasuredFormat::CassDat || order == CoordinateOrder::EastNorth;
    const std::string_view hField = fields.coordinates[2];
    std::optional<std::string> a = decimalText(fields.coordinates[0]);
    std::optional<std::string> b = decimalText(fields.coordinates[1]);
    std::optional<std::string> h = hField.empty() ? std::string() : decimalText(hField);
    if (!a || !b || !h) {
        return std::nullopt;
    }
    return FieldPoint{std::string(fields.name), std::move(eastFirst ? *b : *a),
                      std::move(eastFirst ? *a : *b), std::move(*h)};
}

}  // namespace korvel
