// D.MMSS to radians, against worked angles whose digits surveyors can check by hand.
#include "core/angle.h"

#include <gtest/gtest.h>

#include <cmath>

namespace korvel {
namespace {

TEST(angle, convertsWorkedExamples) {
    const struct {
        double dmmss;
        double radians;  // NAN: no angle
        double tolerance;
        const char* note;
    } cases[] = {
        {0, 0, 1e-15, "zero"},
        {30.1530, 0.528107542832617, 1e-15, "30 15 30"},
        {-30.1530, -0.528107542832617, 1e-15, "the sign is restored at the end"},
        {30.15, 0.527962098728284, 1e-15, "14.999999999999858 minutes become 15"},
        {90, 1.570796326794895, 1e-15, "half of the program's pi"},
        {180, 3.14159265358979, 0, "the program's pi, not the true one"},
        {-180, -3.14159265358979, 0, "the program's pi, negative"},
        {10.7, 0.194895099806033, 1e-15, "70 minutes are 1 10"},
        {45.5999999, 0.802851455917391, 1e-15, "rounds up into 46 degrees"},
        {12.3456789, 0.219605035023456, 1e-15, "seconds rounded to hundredths"},
        {12.3456785, 0.219605035023456, 1e-15, "minutes 34.56785 at 15 digits round up"},
        {60.3, 1.055924197456568, 1e-15, "60 30"},
        {45.153, 0.7899069306317662, 1e-15, "45 15 30"},
        {2147483647.5959, 37480660.29033405, 1e-7, "the largest 32-bit degrees"},
        {2147483648.0, NAN, 0, "no angle beyond 32-bit degrees"},
        {-2147483648.0, NAN, 0, "nor below"},
        {NAN, NAN, 0, "nor for no number"},
    };
    for (const auto& c : cases) {
        const double r = 弧度(c.dmmss);
        if (std::isnan(c.radians)) {
            EXPECT_TRUE(std::isnan(r)) << c.dmmss << ": " << c.note;
        } else {
            EXPECT_NEAR(r, c.radians, c.tolerance) << c.dmmss << ": " << c.note;
        }
    }
}

}  // namespace
}  // namespace korvel
