// Angles as surveyors write them: D.MMSS (30.1530 is 30° 15′ 30″).
#pragma once

namespace korvel {

// π as the program has always used it: the double nearest to 3.14159265358979, not the
// double nearest to π. Every coordinate depends on it in its last digits.
inline constexpr double kPi = 3.14159265358979;

// Converts a D.MMSS angle to radians, with the sign of the argument.
// Minutes and seconds are not validated and simply add up; the fraction of the degrees
// times 100 goes through the "0.0000" text first (formatFixed: 15 significant digits,
// then four places, halves up), so seconds keep at most two decimals.
//   弧度(30.1530) -> 0.528107542832617      弧度(-30.1530) -> -0.528107542832617
//   弧度(30.15)   -> 0.527962098728284      弧度(90)       -> 1.570796326794895
//   弧度(10.7)    -> 0.194895099806033 (70′ taken as 1° 10′)
//   弧度(45.5999999) -> 0.802851455917391 (rounds up to 46°)
//   弧度(12.3456785) -> 0.219605035023456 (34.56785 minutes: 15 digits end in 5, 56.79″)
// Illegal: whole degrees of 2^31 or more, infinity, NaN -> NaN (no angle).
double 弧度(double dmmss);

}  // namespace korvel
