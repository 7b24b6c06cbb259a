// The result line: "@@@", five blanks, "0.000", five blanks, "0.000".
#include "core/stake_row.h"

#include <gtest/gtest.h>

#include <string>

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
        {4, 1234567.8915, 0.0004, "  4     1234567.892     0.000"},
        {5, -0.0004, -0.0005, "  5     -0.000     -0.001"},          // the side of zero is kept
        {6, 2995.4505, 5016.1195, "  6     2995.451     5016.120"},  // 15 digits end in 5
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatStakeRow(c.number, c.x, c.y), c.line);
    }
}

}  // namespace
}  // namespace korvel
