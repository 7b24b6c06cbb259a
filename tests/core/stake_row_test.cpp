// The result line: "@@@", five blanks, "0.000", five blanks, "0.000".
#include "core/stake_row.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <string>

#include "core/decimal.h"

namespace korvel {
namespace {

struct RowCase {
    int number;
    double x;
    double y;
    const char* line;
};

TEST(stake_row, formatsNumberAndCoordinates) {
    const RowCase cases[] = {
        {7, 3512.4, -12.05, "  7     3512.400     -12.050"},
        {1, 0, 0, "  1     0.000     0.000"},
        {10, 1, 2, " 10     1.000     2.000"},
        {99, 1, 2, " 99     1.000     2.000"},
        {100, 1, 2, "100     1.000     2.000"},
        {999, 1, 2, "999     1.000     2.000"},
        {1000, 1, 2, "1000     1.000     2.000"},
        {32767, 1, 2, "32767     1.000     2.000"},
        {3, 0.5, -0.5, "  3     0.500     -0.500"},
        {4, 1234567.8915, 0.0004, "  4     1234567.891     0.000"},
        {5, -0.0004, -0.0005, "  5     0.000     -0.001"},
        {6, 2995.4505, 5016.1195, "  6     2995.450     5016.119"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatStakeRow(c.number, c.x, c.y), c.line);
    }
}

TEST(stake_row, roundsTheStoredValueWithHalvesAwayFromZero) {
    // Exact halves exist only for binary fractions: 1/16 and its multiples.
    EXPECT_EQ(formatFixed(0.0625, 3), "0.063");
    EXPECT_EQ(formatFixed(-0.0625, 3), "-0.063");
    EXPECT_EQ(formatFixed(1000.1875, 3), "1000.188");
    EXPECT_EQ(formatFixed(2.5, 0), "3");
    // 2995.4505 is stored a hair below the half, 3512.4005 a hair above it.
    EXPECT_EQ(formatFixed(2995.4505, 3), "2995.450");
    EXPECT_EQ(formatFixed(3512.4005, 3), "3512.401");
    // The neighbours of a half go their own way.
    EXPECT_EQ(formatFixed(std::nextafter(0.0625, 0.0), 3), "0.062");
    EXPECT_EQ(formatFixed(std::nextafter(0.0625, 1.0), 3), "0.063");
    EXPECT_EQ(formatFixed(0.9995, 3), "1.000");
    EXPECT_EQ(formatFixed(9.9999999, 3), "10.000");
}

TEST(stake_row, writesLargeValuesInFull) {
    EXPECT_EQ(formatFixed(1e15, 3), "1000000000000000.000");
    EXPECT_EQ(formatFixed(-2251799813685248.5, 3), "-2251799813685248.500");
    EXPECT_EQ(formatFixed(1e300, 3).size(), 301u + 4u);
    EXPECT_EQ(formatFixed(1e300, 3).substr(0, 4), "1000");
    EXPECT_EQ(formatFixed(INFINITY, 3), "");
    EXPECT_EQ(formatFixed(NAN, 3), "");
}

TEST(stake_row, roundFixedReadsBackAsTheText) {
    const double values[] = {14.999999999999858, 56.789, 0.03125, 99.99995, 12.34565, 0.0};
    for (const double v : values) {
        const std::string text = formatFixed(v, 4);
        double readBack = -1;
        std::from_chars(text.data(), text.data() + text.size(), readBack);
        EXPECT_EQ(roundFixed(v, 4), readBack) << v;
    }
    EXPECT_EQ(roundFixed(14.999999999999858, 4), 15.0);
    EXPECT_EQ(roundFixed(0.03125, 4), 0.0313);
}

}  // namespace
}  // namespace korvel
