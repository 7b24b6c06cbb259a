#include "core/decimal.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>

namespace korvel {
namespace {

constexpr std::array<std::uint64_t, 7> kPowersOfTen = {1, 10, 100, 1000, 10000, 100000, 1000000};

// Whole multiples of the unit up to 2^53 are exact doubles; beyond that the rounding
// below could no longer tell the halves apart, and no unit fraction is left anyway.
constexpr double kExactLimit = 9007199254740992.0;  // 2^53

// |value| counted in units of 10^-decimals, rounded to the nearest unit with halves going
// up. magnitude * scale is carried exactly as t + err (err from the fused multiply-add),
// so the decision against the half is made on the true product, not on a rounded one.
std::optional<std::uint64_t> roundedUnits(double magnitude, int decimals) {
    const double scale = static_cast<double>(kPowersOfTen[static_cast<std::size_t>(decimals)]);
    const double t = magnitude * scale;
    if (!(t < kExactLimit))
        return std::nullopt;
    const double err = std::fma(magnitude, scale, -t);
    const double whole = std::floor(t);
    // Sign of (t - whole - 1/2 + err): t - whole is exact, and the sum keeps its sign.
    const double aboveHalf = ((t - whole) - 0.5) + err;
    return static_cast<std::uint64_t>(whole) + (aboveHalf >= 0.0 ? 1U : 0U);
}

}  // namespace

double roundFixed(double value, int decimals) {
    const auto units = roundedUnits(std::fabs(value), decimals);
    if (!units)
        return value;  // not finite, or too large to carry a fraction of the unit
    // The division is correctly rounded: the double nearest to the decimal text.
    const double magnitude = static_cast<double>(*units) /
                             static_cast<double>(kPowersOfTen[static_cast<std::size_t>(decimals)]);
    return std::signbit(value) ? -magnitude : magnitude;
}

std::string formatFixed(double value, int decimals) {
    if (!std::isfinite(value))
        return {};
    const auto units = roundedUnits(std::fabs(value), decimals);
    if (!units) {
        // 2^53 thousandths and more: every digit is exact and there is no half to decide.
        std::array<char, 400> buf{};
        const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), value,
                                       std::chars_format::fixed, decimals);
        return std::string(buf.data(), res.ptr);
    }
    const std::uint64_t unit = kPowersOfTen[static_cast<std::size_t>(decimals)];
    const std::uint64_t whole = *units / unit;
    std::uint64_t fraction = *units % unit;

    std::array<char, 32> buf{};
    char* p = buf.data();
    // A value that rounds to nothing has no side of zero on the ground: "0.000".
    if (std::signbit(value) && *units != 0)
        *p++ = '-';
    p = std::to_chars(p, buf.data() + buf.size(), whole).ptr;
    if (decimals > 0) {
        *p++ = '.';
        for (int k = decimals - 1; k >= 0; --k) {
            p[k] = static_cast<char>('0' + fraction % 10);
            fraction /= 10;
        }
        p += decimals;
    }
    return std::string(buf.data(), p);
}

}  // namespace korvel
