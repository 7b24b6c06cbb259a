// Reading numbers the way surveyors type them: lenient, never failing, "." always.
#include "core/number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace korvel {
namespace {

struct ReadCase {
    const char* text;
    double expected;
};

TEST(number, readsTheLeadingNumberAndIgnoresTheRest) {
    const ReadCase cases[] = {
        {"12.5", 12.5},
        {"12.5m", 12.5},
        {"abc", 0},
        {"", 0},
        {"1,5", 1},
        {"-3", -3},
        {"+3", 3},
        {".5", 0.5},
        {"5.", 5},
        {"-.25", -0.25},
        {"1.2.3", 1.2},
        {"-", 0},
        {".", 0},
        {"+-1", 0},
        {"3000.", 3000},
        {"007", 7},
        {"45.153", 45.153},
        {"0.000001", 1e-6},
        {"1e3", 1000},
        {"1E3", 1000},
        {"2.5e-1", 0.25},
        {"1e+2", 100},
        {"1e", 1},
        {"1e+", 1},
        {"1ex", 1},
        {"1e2.5", 100},
        {"1d3", 1},
        {"0x10", 0},
        {"3512.400", 3512.4},
        {"-12.05", -12.05},
        {"12%", 12},
        {"１２", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readLeadingNumber(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(number, skipsBlanksTabsAndLineFeedsAnywhere) {
    const ReadCase cases[] = {
        {"  12.5", 12.5}, {"1 2", 12}, {"\t-\t3 . 5", -3.5}, {"1\n0", 10},
        {"1 e 3", 1000},  {"   ", 0},  {"1\r2", 1},          {"- 4", -4},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readLeadingNumber(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(number, givesTheNearestDoubleLikeACompilerWould) {
    // The typed digits are converted exactly once; no digit-by-digit accumulation error.
    EXPECT_EQ(readLeadingNumber("0.1"), 0.1);
    EXPECT_EQ(readLeadingNumber("30.1530"), 30.1530);
    EXPECT_EQ(readLeadingNumber("123456789.123456789"), 123456789.123456789);
    EXPECT_EQ(readLeadingNumber("0.30000000000000004"), 0.30000000000000004);
    EXPECT_EQ(readLeadingNumber("4.9406564584124654e-324"), 4.9406564584124654e-324);
    EXPECT_EQ(readLeadingNumber("1.7976931348623157e308"), 1.7976931348623157e308);
    EXPECT_EQ(readLeadingNumber("0000000000000000000000000000000000012.5"), 12.5);
    EXPECT_EQ(readLeadingNumber("0.000000000000000000000000000000000000125e37"), 1.25);
}

TEST(number, saturatesOutOfRangeInsteadOfFailing) {
    EXPECT_EQ(readLeadingNumber("1e999"), INFINITY);
    EXPECT_EQ(readLeadingNumber("-1e999"), -INFINITY);
    EXPECT_EQ(readLeadingNumber("1e99999999999999999999"), INFINITY);
    EXPECT_EQ(readLeadingNumber("1e-999"), 0.0);
    EXPECT_EQ(readLeadingNumber("1e-99999999999999999999"), 0.0);
    EXPECT_EQ(readLeadingNumber(std::string(400, '9')), INFINITY);
    EXPECT_EQ(readLeadingNumber("1e308"), 1e308);
}

TEST(number, handlesAMegabyteOfDigits) {
    std::string digits = "0." + std::string(1 << 20, '0') + "5";
    EXPECT_EQ(readLeadingNumber(digits), 0.0);
    digits = "1." + std::string(1 << 20, '0') + "1xyz";
    EXPECT_EQ(readLeadingNumber(digits), 1.0);
}

}  // namespace
}  // namespace korvel
