#include "core/decimal_text.h"

#include <algorithm>
#include <charconv>

#include "core/decimal_digit.h"

namespace korvel {
namespace {

// Coordinates are compared in micrometres up to this many digits before the point, so an
// offset fits in 64 bits and its square in 128.
constexpr std::size_t kMaxWholeDigits = 12;
constexpr int kMicroDecimals = 6;

}  // namespace

// One pass over the text: sign, whole digits, point, fraction; the value built as it goes.
DecimalParts readDecimal(std::string_view text) {
    DecimalParts read;
    std::size_t k = 0;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        read.negative = text[0] == '-';
        k = 1;
    }
    // The whole metres, up to the twelve digits that fit with six decimals in 64 bits.
    const std::size_t wholeStart = k;
    std::int64_t value = 0;
    std::size_t significant = 0;
    for (; k < text.size() && isDecimalDigit(text[k]); ++k) {
        const int digit = text[k] - '0';
        significant += significant > 0 || digit != 0 ? 1 : 0;
        if (significant <= kMaxWholeDigits) {
            value = value * 10 + digit;
        }
    }
    read.whole = text.substr(wholeStart, k - wholeStart);
    std::size_t decimals = 0;
    bool roundUp = false;
    if (k < text.size() && text[k] == '.') {
        const std::size_t fractionStart = ++k;
        for (; k < text.size() && isDecimalDigit(text[k]); ++k, ++decimals) {
            if (decimals < kMicroDecimals) {
                value = value * 10 + (text[k] - '0');
            } else if (decimals == kMicroDecimals) {
                roundUp = text[k] >= '5';
            }
        }
        read.fraction = text.substr(fractionStart, k - fractionStart);
    }
    read.valid = k == text.size() && read.whole.size() + read.fraction.size() > 0;
    if (!read.valid || significant > kMaxWholeDigits) {
        return read;
    }
    for (; decimals < kMicroDecimals; ++decimals) {
        value *= 10;
    }
    value += roundUp ? 1 : 0;
    read.micrometres = read.negative ? -value : value;
    return read;
}

// Millimetres typed, to three decimals, as whole micrometres within (0, 10 m].
std::optional<Tolerance> toleranceFromText(std::string_view typed) {
    const std::size_t first = typed.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    typed = typed.substr(first, typed.find_last_not_of(" \t") + 1 - first);
    if (typed.front() == '+' || typed.front() == '-' || !decimalText(typed)) {
        return std::nullopt;
    }
    const std::size_t point = typed.find('.');
    const std::string_view whole = withoutLeadingZeros(typed.substr(0, point));
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : typed.substr(point + 1);
    if (whole.size() > 5 || fraction.size() > 3) {
        return std::nullopt;
    }
    std::int64_t micrometres = 0;
    for (const char c : whole) {
        micrometres = micrometres * 10 + (c - '0');
    }
    for (std::size_t k = 0; k < 3; ++k) {
        micrometres = micrometres * 10 + (k < fraction.size() ? fraction[k] - '0' : 0);
    }
    if (micrometres <= 0 || micrometres > kMaxToleranceMicrometres) {
        return std::nullopt;
    }
    return Tolerance{micrometres};
}

// Micrometres back to millimetres, trailing zeros dropped.
std::string toleranceText(Tolerance tolerance) {
    std::string text = std::to_string(tolerance.micrometres / 1000);
    std::string fraction = std::to_string(1000 + tolerance.micrometres % 1000).substr(1);
    fraction.erase(fraction.find_last_not_of('0') + 1);
    return fraction.empty() ? text : text + '.' + fraction;
}

// Sign, digits, at most one point: the field in its plain form, or nothing.
std::optional<std::string> decimalText(std::string_view field) {
    std::string rewritten;
    const std::optional<std::string_view> text = decimalTextView(field, rewritten);
    return text ? std::optional<std::string>(*text) : std::nullopt;
}

// The field itself when it has no "+" and a digit on each side of a point that is there;
// else its parts written anew.
std::optional<std::string_view> decimalTextView(std::string_view field, std::string& rewritten) {
    const DecimalParts read = readDecimal(field);
    if (!read.valid) {
        return std::nullopt;
    }
    if (!field.starts_with('+') && !read.whole.empty() && !field.ends_with('.')) {
        return field;
    }
    rewritten.clear();
    if (read.negative) {
        rewritten += '-';
    }
    rewritten += read.whole.empty() ? std::string_view("0") : read.whole;
    if (!read.fraction.empty()) {
        rewritten.append(".").append(read.fraction);
    }
    return rewritten;
}

// The text with zeros added up to three decimals, a missing 0 before the point filled in.
std::string recordedDecimals(std::string_view text) {
    const DecimalParts read = readDecimal(text);
    if (!read.valid) {
        return std::string(text);
    }
    std::string shown = read.negative ? "-" : "";
    shown.append(read.whole.empty() ? std::string_view("0") : read.whole).append(".");
    shown.append(read.fraction);
    shown.append(read.fraction.size() < 3 ? 3 - read.fraction.size() : 0, '0');
    return shown;
}

std::optional<std::int64_t> decimalMicrometres(std::string_view text) {
    return readDecimal(text).micrometres;
}

// Tenths of a millimetre, the half rounded away from zero, then written with their point.
std::string millimetresText(std::int64_t micrometres) {
    const std::uint64_t magnitude =
        micrometres < 0 ? 0 - static_cast<std::uint64_t>(micrometres) : micrometres;
    const std::uint64_t tenths = (magnitude + 50) / 100;
    std::string text = micrometres < 0 && tenths != 0 ? "-" : "";
    text += std::to_string(tenths / 10);
    text += '.';
    text += static_cast<char>('0' + tenths % 10);
    return text;
}

// From the first character that is not a '0'; "0" when there is none but there were zeros.
std::string_view withoutLeadingZeros(std::string_view text) {
    const std::string_view rest = text.substr(std::min(text.find_first_not_of('0'), text.size()));
    return rest.empty() && !text.empty() ? std::string_view("0") : rest;
}

std::string percentText(int part, int whole) {
    const std::int64_t tenths = (std::int64_t{2000} * part + whole) / (std::int64_t{2} * whole);
    return std::to_string(tenths / 10) + '.' + static_cast<char>('0' + tenths % 10);
}

// from_chars takes no "+", so it is taken off first.
double decimalValue(std::string_view text) {
    if (text.starts_with('+')) {
        text.remove_prefix(1);
    }
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

}  // namespace korvel
