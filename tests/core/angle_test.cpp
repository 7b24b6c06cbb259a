// D.MMSS to radians, against worked angles whose digits surveyors can check by hand.
#include "core/angle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace korvel {
namespace {

struct AngleCase {
    double dmmss;
    double radians;  // printed with 15 significant digits
    const char* note;
};

TEST(angle, convertsWorkedExamples) {
    const AngleCase cases[] = {
        {0, 0, "zero"},
        {30.1530, 0.528107542832617, "30 15 30"},
        {-30.1530, -0.528107542832617, "the sign is restored at the end"},
        {30.15, 0.527962098728284, "14.999999999999858 minutes become 15"},
        {90, 1.570796326794895, "half of the program's pi"},
        {10.7, 0.194895099806033, "70 minutes are 1 10"},
        {45.5999999, 0.802851455917391, "rounds up into 46 degrees"},
        {12.3456789, 0.219605035023456, "seconds rounded to hundredths"},
        {12.3456785, 0.219605035023456, "minutes 34.56785 at 15 digits round up"},
        {60.3, 1.055924197456568, "60 30"},
        {45.153, 0.7899069306317662, "45 15 30"},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(弧度(c.dmmss), c.radians, 1e-15) << c.dmmss << ": " << c.note;
    }
}

TEST(angle, usesTheProgramsPiNotTheTrueOne) {
    EXPECT_EQ(kPi, 3.14159265358979);
    EXPECT_NE(kPi, M_PI);
    EXPECT_EQ(弧度(180), kPi);
    EXPECT_EQ(弧度(90), kPi / 2);
    EXPECT_EQ(弧度(-180), -kPi);
}

TEST(angle, roundsSecondsToHundredths) {
    // Digits beyond the sixth decimal are rounded away: 30.1530456 is 30 15 30.46.
    EXPECT_EQ(弧度(30.1530456), 弧度(30.153046));
    EXPECT_EQ(弧度(30.1530454), 弧度(30.153045));
    EXPECT_NE(弧度(30.153045), 弧度(30.153046));
    // 7.3 is seven degrees thirty minutes, not 7.3 degrees.
    EXPECT_NEAR(弧度(7.3), 7.5 / 180 * kPi, 1e-15);
}

TEST(angle, hasNoValueBeyondThirtyTwoBitDegrees) {
    EXPECT_TRUE(std::isnan(弧度(2147483648.0)));
    EXPECT_TRUE(std::isnan(弧度(-2147483648.0)));
    EXPECT_TRUE(std::isnan(弧度(1e308)));
    EXPECT_TRUE(std::isnan(弧度(std::numeric_limits<double>::infinity())));
    EXPECT_TRUE(std::isnan(弧度(std::numeric_limits<double>::quiet_NaN())));
    EXPECT_TRUE(std::isfinite(弧度(2147483647.5959)));
}

}  // namespace
}  // namespace korvel
