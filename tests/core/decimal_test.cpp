// The "0.000" and "0.0000" patterns: 15 significant digits first, then the places with
// halves away from zero, the minus sign kept.
#include "core/decimal.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace korvel {
namespace {

TEST(decimal, formatsTypedAndStoredValues) {
    const struct {
        double value;
        int places;
        const char* text;
    } cases[] = {
        {2995.4505, 3, "2995.451"},    // stored 2995.45049999..., 15 digits 2995.45050000000
        {12.5 - 0.0005, 3, "12.500"},  // 12.4994999999999994..., 15 digits 12.4995000000000
        {1000.0625, 3, "1000.063"},    // an exact binary half
        {-1e-16, 3, "-0.000"},
        {-0.0005, 3, "-0.001"},
        {-0.0, 3, "0.000"},
        {14.999999999999858, 4, "15.0000"},
        {std::nextafter(0.0625, 0.0), 3, "0.063"},      // the binary step is past 15 digits
        {100000000000000.5, 3, "100000000000000.000"},  // a true tie at 15 digits: to even
        {-2251799813685248.5, 3, "-2251799813685250.000"},
        {INFINITY, 3, ""},
        {NAN, 3, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatFixed(c.value, c.places), c.text) << c.value << " " << c.places;
    }
    EXPECT_EQ(formatFixed(1e300, 3), "1" + std::string(300, '0') + ".000");
}

// The same text by another route: the C library's "%.14e" (15 significant digits,
// correctly rounded), then its decimal digits rounded half up by hand. For values below
// 10^20.
std::string viaPrintf(double value, int places) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
    const int exponent = std::atoi(buf + 17);
    // Digit k stands for 10^(20 - k), down to one place past the last one kept.
    std::string digits(static_cast<std::size_t>(22 + places), '0');
    for (int j = 0; j < 15; ++j) {
        const int k = 20 - exponent + j;
        if (k < static_cast<int>(digits.size()))
            digits[static_cast<std::size_t>(k)] = buf[j == 0 ? 0 : j + 1];  // skip point or comma
    }
    bool up = digits.back() >= '5';
    digits.pop_back();
    for (auto k = digits.size(); up; --k) {
        up = digits[k - 1] == '9';
        digits[k - 1] = up ? '0' : static_cast<char>(digits[k - 1] + 1);
    }
    digits.erase(0, digits.find_first_not_of('0'));
    if (digits.size() < static_cast<std::size_t>(places) + 1)
        digits.insert(0, static_cast<std::size_t>(places) + 1 - digits.size(), '0');
    if (places > 0)
        digits.insert(digits.size() - static_cast<std::size_t>(places), 1, '.');
    return (value < 0 ? "-" : "") + digits;
}

TEST(decimal, agreesWithFifteenDigitPrintfAndReadsBack) {
    std::mt19937_64 random;
    std::uniform_real_distribution<double> exponent(-9, 17);
    std::uniform_int_distribution<long long> typed(-99999999999, 99999999999);
    for (int k = 0; k < 40000; ++k) {
        const int places = static_cast<int>(random() % 7);
        const double values[] = {
            std::pow(10.0, exponent(random)) * (k % 2 ? -1 : 1),
            static_cast<double>(typed(random)) / std::pow(10.0, places + 1),  // halves
            std::ldexp(static_cast<double>(random() >> 11), -static_cast<int>(random() % 64)),
        };
        for (const double v : values) {
            const std::string text = formatFixed(v, places);
            ASSERT_EQ(text, viaPrintf(v, places)) << v << " " << places;
            double readBack = NAN;
            std::from_chars(text.data(), text.data() + text.size(), readBack);
            ASSERT_EQ(roundFixed(v, places), readBack) << v << " " << places;
        }
    }
}

}  // namespace
}  // namespace korvel
