// Reading numbers the way surveyors type them: lenient, never failing, "." always.
#include "core/number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace korvel {
namespace {

TEST(number, readsTheLeadingNumberAsTheNearestDouble) {
    const std::string zeros(1 << 20, '0');
    const struct {
        std::string text;
        double expected;
    } cases[] = {
        // clang-format off
        // The leading number; what follows it is ignored.
        {"12.5m", 12.5}, {"abc", 0}, {"", 0}, {"1,5", 1}, {"-3", -3}, {"+3", 3}, {".5", 0.5},
        {"5.", 5}, {"-.25", -0.25}, {"1.2.3", 1.2}, {"-", 0}, {".", 0}, {"+-1", 0}, {"0x10", 0},
        {"１２", 0}, {"1d3", 1},
        // An exponent only with digits after the letter and its sign.
        {"1e3", 1000}, {"1E3", 1000}, {"2.5e-1", 0.25}, {"1e+2", 100}, {"1e", 1}, {"1e+", 1},
        {"1e2.5", 100},
        // Blanks, tabs and line feeds are skipped anywhere; a carriage return ends the number.
        {"  12.5", 12.5}, {"1 2", 12}, {"\t-\t3 . 5", -3.5}, {"1\n0", 10}, {"1 e 3", 1000},
        {"   ", 0}, {"1\r2", 1},
        // The typed digits are converted once, as a compiler would.
        {"0.1", 0.1}, {"123456789.123456789", 123456789.123456789},
        {"4.9406564584124654e-324", 4.9406564584124654e-324},
        {"1.7976931348623157e308", 1.7976931348623157e308},
        {"0000000000000000000000000000000000012.5", 12.5},
        {"0.000000000000000000000000000000000000125e37", 1.25},
        // Out of range saturates instead of failing, however many digits.
        {"1e999", INFINITY}, {"-1e999", -INFINITY}, {"1e99999999999999999999", INFINITY},
        {"1e-999", 0.0}, {"1e-99999999999999999999", 0.0}, {std::string(400, '9'), INFINITY},
        {"0." + zeros + "5", 0.0}, {"1." + zeros + "1xyz", 1.0},
        // clang-format on
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readLeadingNumber(c.text), c.expected) << '"' << c.text.substr(0, 40) << '"';
    }
}

}  // namespace
}  // namespace korvel
