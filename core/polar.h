// The polar data of a stake-out from a station: the azimuth, the horizontal angle turned from
// the backsight, and the horizontal distance of each point, as the printed sheet shows them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/geometry.h"
#include "core/stake_row.h"

namespace korvel {

// A station or backsight as the surveyor typed it: X (northing) and Y (easting) texts.
struct TypedPlace {
    std::string x;
    std::string y;
};

// What is wrong with a typed station and backsight, if anything.
enum class StationCheck {
    Ok,                       // both given and usable, or neither given
    StationWithoutBacksight,  // a station but no backsight: no direction to turn from
    BacksightWithoutStation,  // a backsight but no station
    StationNotNumber,         // the station's X or Y is not a usable number
    BacksightNotNumber,       // the backsight's X or Y is not a usable number
    StationSameAsBacksight,   // both at one place: the backsight gives no direction
};

// The largest coordinate a station or backsight may have, as the drawing holds: every
// difference and distance between such places stays finite.
inline constexpr double kMaxStationCoordinate = 1e300;

// A typed coordinate as a number: the whole text read in the "C" way whatever the locale,
// an optional leading "+" allowed as people type it; finite and within ±1e300.
//   "3000" -> 3000   "-12.05" -> -12.05   "+5e3" -> 5000   "4999.9995" -> 4999.9995
//   "", " 3000", "3000 ", "3,5", "abc", "1e999", "inf", "nan", "+-1" -> nothing
std::optional<double> readTypedCoordinate(std::string_view text);

// The typed station and backsight checked together; a place not given is nothing. The
// station is checked before the backsight.
//   nothing, nothing                              -> Ok (no polar data)
//   {"3000","5000"}, {"3100","5000"}              -> Ok
//   {"3000","5000"}, nothing                      -> StationWithoutBacksight
//   nothing, {"3100","5000"}                      -> BacksightWithoutStation
//   {"3000","x"}, {"3100","5000"}                 -> StationNotNumber
//   {"3000","5000"}, {"","5000"}                  -> BacksightNotNumber
//   {"3000","5000"}, {"3000.000","+5000"}         -> StationSameAsBacksight
StationCheck checkStations(const std::optional<TypedPlace>& station,
                           const std::optional<TypedPlace>& backsight);

// A station and backsight that passed checkStations, as numbers.
struct StationSetup {
    StakePoint station;
    StakePoint backsight;
};

// The setup of a station and backsight; nothing unless checkStations gives Ok with both
// given.
std::optional<StationSetup> readStationSetup(const std::optional<TypedPlace>& station,
                                             const std::optional<TypedPlace>& backsight);

// An angle given in seconds of arc as d°mm′ss″ (U+00B0, U+2032, U+2033): reduced to 0 up to
// 360° (1296000″; a negative angle counts back from 360°), rounded once to the nearest whole
// second, halves up, and then split, so that 59.5″ carries into the minute and 59′60″ into
// the degree; minutes and seconds two digits, degrees without leading zeros.
//   0 -> "0°00′00″"   3599.4 -> "0°59′59″"   3599.5 -> "1°00′00″"   1295999.5 -> "0°00′00″"
//   324000 -> "90°00′00″"   -1 -> "359°59′59″"   -0.5 -> "0°00′00″"   1296000 -> "0°00′00″"
// Illegal: infinity, NaN and magnitudes of 2^53 or more give an empty string.
std::string angleText(double seconds);

// The polar data of one stake point as the sheet prints it.
struct PolarTexts {
    std::string azimuth;          // 方位角, from the station to the point, clockwise from north
    std::string horizontalAngle;  // 水平角, clockwise from the backsight to the point
    std::string distance;         // 水平距离(m), "0.000" as formatFixed writes it
};

// The polar data of `row` from `setup`, computed from the row's own printed digits. The
// angles are taken from the unrounded directions and rounded once (angleText); a point on
// the station has no direction: both angles "—" (U+2014), distance "0.000".
//   station (3000, 5000), backsight (3100, 5000):
//     {1, "3010.000", "5010.000"} -> {"45°00′00″", "45°00′00″", "14.142"}
//     {2, "2990.000", "4990.000"} -> {"225°00′00″", "225°00′00″", "14.142"}
//     {3, "3000.000", "5000.000"} -> {"—", "—", "0.000"}
//   station (3000, 5000), backsight (3000, 5100) (due east): {1, "3010.000", "5000.000"}
//     -> {"0°00′00″", "270°00′00″", "10.000"}
// The row's texts are "0.000" coordinates (splitStakeRow's) within ±1e300.
PolarTexts polarTexts(const StationSetup& setup, const StakeRow& row);

}  // namespace korvel
