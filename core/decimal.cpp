#include "core/decimal.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace korvel {
namespace {

// 10^0 to 10^22: every one of them is an exact double.
constexpr std::array<double, 23> kTenPowers = [] {
    std::array<double, 23> powers{};
    double p = 1;
    for (double& x : powers) {
        x = p;
        p *= 10;
    }
    return powers;
}();

// 10^0 to 10^19, the powers of ten a 64-bit count holds.
constexpr std::array<std::uint64_t, 20> kTenPowersInt = [] {
    std::array<std::uint64_t, 20> powers{};
    std::uint64_t p = 1;
    for (std::uint64_t& x : powers) {
        x = p;
        p *= 10;
    }
    return powers;
}();

// 15 significant digits below 10^15 fit a 64-bit count; from there on no decimal is left.
constexpr double kFifteenDigits = 1e15;
constexpr std::uint64_t kFifteenDigitsInt = 1000000000000000;

// A magnitude as its decimal text shows it: digits × 10^-scale.
struct Decimal {
    std::uint64_t digits;
    int scale;
};

// magnitude × 10^power to the nearest integer, an exact tie to the even one: the
// correct rounding of a decimal conversion. The product t must stay below 2^53, where
// t - floor(t) - 1/2 is exact and, unless 0, at least one unit of t away from 0: the
// product's rounding error (at most half a unit) cannot change its side of the half.
// Only a t that is the half itself needs the error, which the fused multiply-add gives.
std::uint64_t roundHalfEven(double magnitude, int power) {
    const double scale = kTenPowers[static_cast<std::size_t>(power)];
    const double t = magnitude * scale;
    const auto whole = static_cast<std::uint64_t>(t);  // t ≥ 0: truncation is the floor
    const double offHalf = (t - static_cast<double>(whole)) - 0.5;
    if (offHalf != 0)
        return whole + (offHalf > 0 ? 1U : 0U);
    const double err = std::fma(magnitude, scale, -t);
    return whole + (err > 0 || (err == 0 && (whole & 1U) != 0) ? 1U : 0U);
}

// A finite magnitude below 10^15 at 15 significant digits, then at `decimals` places
// with a first dropped digit of 5 or more rounding up.
Decimal roundToPlaces(double magnitude, int decimals) {
    // Taking 15 digits moves the value by at most 5·10^-15 of itself. Where the product
    // with 10^decimals lies farther than that (and its own rounding) from the half, both
    // roundings agree and the product's integer part decides; below 10^12 units a place
    // is always wider than the move.
    const double units = magnitude * kTenPowers[static_cast<std::size_t>(decimals)];
    if (units < 1e12) {
        const auto whole = static_cast<std::uint64_t>(units);
        const double offHalf = (units - static_cast<double>(whole)) - 0.5;  // exact near 0
        if (std::fabs(offHalf) > 1e-13 * units)
            return {whole + (offHalf > 0 ? 1U : 0U), decimals};
    }
    // Below a tenth of the last place even the 15-digit form stays under half of it.
    if (!(magnitude >= 0.1 / kTenPowers[static_cast<std::size_t>(decimals)]))
        return {0, decimals};
    // magnitude lies in [2^e, 2^(e+1)); floor(e·log10 2) is (e · 78913) >> 18 for any
    // exponent a double has. The power below puts the product in [10^14, 2·10^15), and
    // one step back if it rounds past 10^15 (10^15 itself is the carry of 999...9.5).
    const int e = static_cast<int>((std::bit_cast<std::uint64_t>(magnitude) >> 52) & 0x7FF) - 1023;
    int power = 14 - ((e * 78913) >> 18);
    std::uint64_t digits = roundHalfEven(magnitude, power);
    if (digits > kFifteenDigitsInt)
        digits = roundHalfEven(magnitude, --power);
    const int drop = power - decimals;
    if (drop <= 0)
        return {digits, power};
    const std::uint64_t unit = kTenPowersInt[static_cast<std::size_t>(drop)];
    const std::uint64_t kept = digits / unit;
    const std::uint64_t dropped = digits - kept * unit;
    return {kept + (dropped * 2 >= unit ? 1U : 0U), decimals};
}

// The text of a magnitude of 10^15 or more: its 15 significant digits, the rest of the
// whole digits 0, and `decimals` places of 0.
std::string largeText(double magnitude, bool negative, int decimals) {
    std::array<char, 32> sci{};  // "d.dddddddddddddde+ddd"
    const auto res = std::to_chars(sci.data(), sci.data() + sci.size(), magnitude,
                                   std::chars_format::scientific, 14);
    int exponent = 0;
    std::from_chars(sci.data() + 18, res.ptr, exponent);  // after "e+"
    std::string text;
    text.reserve(static_cast<std::size_t>(exponent + decimals + 3));
    if (negative)
        text += '-';
    text += sci[0];
    text.append(sci.data() + 2, 14);
    text.append(static_cast<std::size_t>(exponent - 14), '0');
    if (decimals > 0) {
        text += '.';
        text.append(static_cast<std::size_t>(decimals), '0');
    }
    return text;
}

// The text of a magnitude below 10^15 rounded to Places places. Places is a constant, so
// the divisions below become multiplications.
template <int Places>
std::string smallText(Decimal d, bool negative) {
    constexpr std::uint64_t kUnit = kTenPowersInt[Places];
    std::uint64_t whole = d.digits / kUnit;
    std::uint64_t fraction = d.digits % kUnit;
    // From 10^(15 - Places) on the 15 digits hold fewer places than asked for.
    if (Places > 0 && d.scale < Places) {
        const std::uint64_t unit = kTenPowersInt[static_cast<std::size_t>(d.scale)];
        whole = d.digits / unit;
        fraction = d.digits % unit * kTenPowersInt[static_cast<std::size_t>(Places - d.scale)];
    }
    std::array<char, 32> buf{};
    char* p = buf.data();
    if (negative)
        *p++ = '-';
    p = std::to_chars(p, buf.data() + buf.size(), whole).ptr;
    if constexpr (Places > 0) {
        *p++ = '.';
        for (int k = Places - 1; k >= 0; --k) {
            p[k] = static_cast<char>('0' + fraction % 10);
            fraction /= 10;
        }
        p += Places;
    }
    return std::string(buf.data(), p);
}

}  // namespace

std::string formatFixed(double value, int decimals) {
    if (!std::isfinite(value))
        return {};
    const double magnitude = std::fabs(value);
    const bool negative = value < 0;
    if (magnitude >= kFifteenDigits)
        return largeText(magnitude, negative, decimals);
    const Decimal d = roundToPlaces(magnitude, decimals);
    switch (decimals) {
        case 0:
            return smallText<0>(d, negative);
        case 1:
            return smallText<1>(d, negative);
        case 2:
            return smallText<2>(d, negative);
        case 3:
            return smallText<3>(d, negative);
        case 4:
            return smallText<4>(d, negative);
        case 5:
            return smallText<5>(d, negative);
        default:
            return smallText<6>(d, negative);
    }
}

double roundFixed(double value, int decimals) {
    if (!std::isfinite(value))
        return value;
    const double magnitude = std::fabs(value);
    double rounded = 0;
    if (magnitude >= kFifteenDigits) {
        const std::string text = largeText(magnitude, false, 0);
        std::from_chars(text.data(), text.data() + text.size(), rounded);
    } else {
        // Both operands are exact, so the quotient is the double nearest to the text.
        const Decimal d = roundToPlaces(magnitude, decimals);
        rounded = static_cast<double>(d.digits) / kTenPowers[static_cast<std::size_t>(d.scale)];
    }
    return value < 0 ? -rounded : rounded;
}

}  // namespace korvel
