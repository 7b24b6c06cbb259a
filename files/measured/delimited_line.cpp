#include "files/measured/delimited_line.h"

#include <array>

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

// The first fields of a line, as many as a point uses (name, code, two coordinates, H), and
// how many of them there are.
struct LineFields {
    std::array<std::string_view, 5> field;
    std::size_t count = 0;

    std::size_t size() const { return count; }
    std::string_view operator[](std::size_t k) const { return field[k]; }
    void push_back(std::string_view f) {
        if (count < field.size()) {
            field[count++] = f;
        }
    }
};

// The fields of a line: split at each comma when it has one, else at each tab when it has
// one, else at runs of blanks. The fields after the fifth are not needed and not kept.
LineFields fieldsOf(std::string_view line) {
    LineFields fields;
    const char separator = line.find(',') != std::string_view::npos    ? ','
                           : line.find('\t') != std::string_view::npos ? '\t'
                                                                       : ' ';
    std::size_t start = 0;
    for (std::size_t k = 0; k <= line.size() && fields.size() < fields.field.size(); ++k) {
        if (k < line.size() && line[k] != separator) {
            continue;
        }
        const std::string_view field = trimmed(line.substr(start, k - start));
        // Blanks in a run separate one field; commas and tabs each end one, empty or not.
        if (separator != ' ' || !field.empty()) {
            fields.push_back(field);
        }
        start = k + 1;
    }
    return fields;
}

}  // namespace

std::optional<FieldPoint> readDelimitedLine(std::string_view line, MeasuredFormat format,
                                            CoordinateOrder order,
                                            std::array<std::string, 3>& rewritten) {
    const LineFields fields = fieldsOf(line);
    // CASS puts a code between the name and Y, X; the others give the two coordinates first.
    const std::size_t first = format == MeasuredFormat::CassDat ? 2 : 1;
    if (fields.size() < first + 2 || fields[0].empty()) {
        return std::nullopt;
    }
    const bool eastFirst = format == MeasuredFormat::CassDat || order == CoordinateOrder::EastNorth;
    const std::string_view hField = fields.size() > first + 2 ? fields[first + 2] : "";
    const std::optional<std::string_view> a = decimalTextView(fields[first], rewritten[0]);
    const std::optional<std::string_view> b = decimalTextView(fields[first + 1], rewritten[1]);
    const std::optional<std::string_view> h =
        hField.empty() ? hField : decimalTextView(hField, rewritten[2]);
    if (!a || !b || !h) {
        return std::nullopt;
    }
    return FieldPoint{fields[0], eastFirst ? *b : *a, eastFirst ? *a : *b, *h};
}

}  // namespace korvel
