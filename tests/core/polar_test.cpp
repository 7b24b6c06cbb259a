// The polar data against values worked out independently (Python's math.atan2 and
// math.hypot on the same coordinates, rounded by hand with decimal ROUND_HALF_UP).
#include "core/polar.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace korvel {
namespace {

struct AngleCase {
    double seconds;
    const char* text;
};

// Whole seconds, halves up, carried into the minute and the degree; 360° shows as 0°.
TEST(AngleText, RoundsOnceAndCarries) {
    const std::vector<AngleCase> cases = {
        {0, "0°00′00″"},
        {3599.4, "0°59′59″"},
        {3599.5, "1°00′00″"},    // 59.5″ carries into the minute and the degree
        {39599.5, "11°00′00″"},  // 10°59′59.5″
        {1859.5, "0°31′00″"},    // 30′59.5″
        {1859.49, "0°30′59″"},
        {324000, "90°00′00″"},
        {1295999.5, "0°00′00″"},  // rounds to 360°
        {1295999.49, "359°59′59″"},
        {1296000, "0°00′00″"},
        {-1, "359°59′59″"},
        {-0.5, "0°00′00″"},
        {1296000.0 + 7322, "2°02′02″"},
    };
    for (const AngleCase& c : cases) {
        EXPECT_EQ(angleText(c.seconds), c.text) << c.seconds;
    }
    EXPECT_EQ(angleText(std::numeric_limits<double>::infinity()), "");
    EXPECT_EQ(angleText(std::numeric_limits<double>::quiet_NaN()), "");
}

struct PolarCase {
    const char* x;
    const char* y;
    PolarTexts expected;
};

// Station (3000, 5000), backsight (2950, 5080): the backsight lies at 122°00′19.38″.
TEST(PolarTexts, FourQuadrantsAndTheFourDirections) {
    const StationSetup setup{{3000, 5000}, {2950, 5080}};
    const std::vector<PolarCase> cases = {
        {"3012.345", "5023.456", {"62°14′31″", "300°14′12″", "26.506"}},   // north-east
        {"2987.654", "5011.111", {"138°00′50″", "16°00′30″", "16.610"}},   // south-east
        {"2975.000", "4990.000", {"201°48′05″", "79°47′46″", "26.926"}},   // south-west
        {"3020.000", "4985.500", {"324°03′28″", "202°03′09″", "24.703"}},  // north-west
        {"3015.000", "5000.000", {"0°00′00″", "237°59′41″", "15.000"}},    // due north
        {"3000.000", "5007.500", {"90°00′00″", "327°59′41″", "7.500"}},    // due east
        {"2990.000", "5000.000", {"180°00′00″", "57°59′41″", "10.000"}},   // due south
        {"3000.000", "4980.000", {"270°00′00″", "147°59′41″", "20.000"}},  // due west
        {"3000.000", "5000.000", {"—", "—", "0.000"}},                     // on the station
        {"-0.000", "5000.000", {"180°00′00″", "57°59′41″", "3000.000"}},
        // 55°00′00″: 54°59′59.71″ carries into the degree; 292°59′40.33″ from the backsight.
        {"3010.020", "5014.310", {"55°00′00″", "292°59′40″", "17.469"}},
        // 89°56′59.70″ carries into the minute.
        {"3000.010", "5011.440", {"89°57′00″", "327°56′40″", "11.440"}},
    };
    for (const PolarCase& c : cases) {
        const PolarTexts got = polarTexts(setup, {1, c.x, c.y});
        EXPECT_EQ(got.azimuth, c.expected.azimuth) << c.x << " " << c.y;
        EXPECT_EQ(got.horizontalAngle, c.expected.horizontalAngle) << c.x << " " << c.y;
        EXPECT_EQ(got.distance, c.expected.distance) << c.x << " " << c.y;
    }
}

// A point 0.001 west of due north at 1000 lies at 359°59′59.79″, shown as 0°00′00″.
TEST(PolarTexts, ThreeHundredSixtyShowsAsZero) {
    const StationSetup setup{{3000, 5000}, {3100, 5000}};
    const PolarTexts got = polarTexts(setup, {1, "4000.000", "4999.999"});
    EXPECT_EQ(got.azimuth, "0°00′00″");
    EXPECT_EQ(got.horizontalAngle, "0°00′00″");
    EXPECT_EQ(got.distance, "1000.000");
}

// A station needs a backsight and the other way round, both numbers, at two places.
TEST(Stations, CheckedTogether) {
    const TypedPlace s{"3000", "5000"};
    const TypedPlace b{"3100", "5000"};
    EXPECT_EQ(checkStations(std::nullopt, std::nullopt), StationCheck::Ok);
    EXPECT_EQ(checkStations(s, b), StationCheck::Ok);
    EXPECT_EQ(checkStations(s, std::nullopt), StationCheck::StationWithoutBacksight);
    EXPECT_EQ(checkStations(std::nullopt, b), StationCheck::BacksightWithoutStation);
    EXPECT_EQ(checkStations(TypedPlace{"3000", "x"}, b), StationCheck::StationNotNumber);
    EXPECT_EQ(checkStations(TypedPlace{"3000,5", "5000"}, b), StationCheck::StationNotNumber);
    EXPECT_EQ(checkStations(s, TypedPlace{"", "5000"}), StationCheck::BacksightNotNumber);
    EXPECT_EQ(checkStations(s, TypedPlace{"3000.000", "+5000"}),
              StationCheck::StationSameAsBacksight);
    ASSERT_TRUE(readStationSetup(s, b));
    EXPECT_EQ(readStationSetup(s, b)->backsight.x, 3100);
    EXPECT_FALSE(readStationSetup(s, s));
}

// The whole typed text is the number, read the "C" way, or there is none.
TEST(Stations, TypedCoordinatesReadWhole) {
    EXPECT_EQ(readTypedCoordinate("4999.9995"), 4999.9995);
    EXPECT_EQ(readTypedCoordinate("+5e3"), 5000);
    EXPECT_EQ(readTypedCoordinate("-12.05"), -12.05);
    for (const char* bad :
         {"", " 3000", "3000 ", "3,5", "abc", "1e999", "inf", "nan", "+-1", "2e300"}) {
        EXPECT_FALSE(readTypedCoordinate(bad)) << bad;
    }
}

}  // namespace
}  // namespace korvel
