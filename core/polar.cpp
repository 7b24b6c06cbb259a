#include "core/polar.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "core/decimal.h"
#include "core/decimal_text.h"

namespace korvel {
namespace {

// A full circle and one degree in seconds of arc.
constexpr std::int64_t kCircleSeconds = 360 * 3600;
constexpr double kSecondsPerRadian = 648000.0 / std::numbers::pi;

// Both coordinates of a typed place, or nothing when either is not a usable number.
std::optional<StakePoint> readPlace(const TypedPlace& place) {
    const std::optional<double> x = readTypedCoordinate(place.x);
    const std::optional<double> y = readTypedCoordinate(place.y);
    if (!x || !y) {
        return std::nullopt;
    }
    return StakePoint{*x, *y};
}

// The azimuth of the direction (dx northing, dy easting) in seconds of arc, clockwise from
// north, between -180° and 180°: atan2 with the easting as its "y" and the northing as "x".
double azimuthSeconds(double dx, double dy) {
    return std::atan2(dy, dx) * kSecondsPerRadian;
}

// Two digits with a leading zero: 5 -> "05".
void appendTwoDigits(std::string& out, std::int64_t value) {
    out += static_cast<char>('0' + value / 10);
    out += static_cast<char>('0' + value % 10);
}

}  // namespace

// from_chars reads the whole text in the "C" way; a leading "+" is taken off first, as the
// elevation's reader does.
std::optional<double> readTypedCoordinate(std::string_view text) {
    if (text.size() > 1 && text[0] == '+' && text[1] != '-') {
        text.remove_prefix(1);
    }
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || !std::isfinite(value) ||
        std::abs(value) > kMaxStationCoordinate) {
        return std::nullopt;
    }
    return value;
}

// The pair is refused before its numbers are looked at when one of the two is missing.
StationCheck checkStations(const std::optional<TypedPlace>& station,
                           const std::optional<TypedPlace>& backsight) {
    if (!station && !backsight) {
        return StationCheck::Ok;
    }
    if (!backsight) {
        return StationCheck::StationWithoutBacksight;
    }
    if (!station) {
        return StationCheck::BacksightWithoutStation;
    }
    const std::optional<StakePoint> s = readPlace(*station);
    if (!s) {
        return StationCheck::StationNotNumber;
    }
    const std::optional<StakePoint> b = readPlace(*backsight);
    if (!b) {
        return StationCheck::BacksightNotNumber;
    }
    if (s->x == b->x && s->y == b->y) {
        return StationCheck::StationSameAsBacksight;
    }
    return StationCheck::Ok;
}

// Only a checked pair with both places given has a setup.
std::optional<StationSetup> readStationSetup(const std::optional<TypedPlace>& station,
                                             const std::optional<TypedPlace>& backsight) {
    if (!station || !backsight || checkStations(station, backsight) != StationCheck::Ok) {
        return std::nullopt;
    }
    return StationSetup{*readPlace(*station), *readPlace(*backsight)};
}

// fmod is exact, so the reduction adds at most one rounding of the sum for a negative angle
// (far below a second); the one rounding to whole seconds comes after it.
std::string angleText(double seconds) {
    constexpr double kLimit = 9007199254740992.0;  // 2^53
    if (!std::isfinite(seconds) || std::abs(seconds) >= kLimit) {
        return {};
    }
    double reduced = std::fmod(seconds, static_cast<double>(kCircleSeconds));
    if (reduced < 0) {
        reduced += static_cast<double>(kCircleSeconds);
    }
    const std::int64_t whole =
        static_cast<std::int64_t>(std::round(reduced)) % kCircleSeconds;  // 360° is 0°
    std::string text = std::to_string(whole / 3600);
    text += "\u00B0";
    appendTwoDigits(text, whole / 60 % 60);
    text += "\u2032";
    appendTwoDigits(text, whole % 60);
    text += "\u2033";
    return text;
}

// The differences are taken from the printed digits, so that the sheet agrees with what a
// surveyor recomputes from the same sheet. The horizontal angle is the difference of the
// two unrounded azimuths; angleText reduces it to 0..360° and rounds it once.
PolarTexts polarTexts(const StationSetup& setup, const StakeRow& row) {
    const double dx = decimalValue(row.x) - setup.station.x;
    const double dy = decimalValue(row.y) - setup.station.y;
    if (dx == 0 && dy == 0) {
        return {"\u2014", "\u2014", "0.000"};
    }
    const double toPoint = azimuthSeconds(dx, dy);
    const double toBacksight =
        azimuthSeconds(setup.backsight.x - setup.station.x, setup.backsight.y - setup.station.y);
    return {angleText(toPoint), angleText(toPoint - toBacksight),
            formatFixed(std::hypot(dx, dy), 3)};
}

}  // namespace korvel
