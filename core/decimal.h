// Decimal rounding and fixed-point text for coordinates and angle fractions.
#pragma once

#include <string>

namespace korvel {

// The "0.000" pattern with `decimals` places (0 to 6), as surveyors' printed lists write
// it. The value is first taken to 15 significant digits, correctly rounded from the
// double; those decimal digits are then cut to `decimals` places, a first dropped digit
// of 5 or more rounding the magnitude up. A negative value keeps its minus sign even when
// every digit is 0; zero and negative zero have none. Digits past the 15th are written as
// 0, so from 10^15 on the places are all 0. No separators, no blanks, "." always.
//   formatFixed(3512.4, 3)     -> "3512.400"    formatFixed(-12.05, 3)     -> "-12.050"
//   formatFixed(2995.4505, 3)  -> "2995.451"    (stored 2995.45049999..., 15 digits ...4505)
//   formatFixed(12.5 - 0.0005, 3) -> "12.500"   formatFixed(34.56785, 4)   -> "34.5679"
//   formatFixed(-0.0004999, 3) -> "-0.000"      formatFixed(-0.0, 3)       -> "0.000"
//   formatFixed(1000000000000000.25, 3) -> "1000000000000000.000"
// Illegal: infinity and NaN have no text and give an empty string.
std::string formatFixed(double value, int decimals);

// `value` as the number that reads back from formatFixed(value, decimals): the double
// nearest to that text.
//   roundFixed(14.999999999999858, 4) -> 15      (the noise of (30.15 - 30) * 100)
//   roundFixed(34.56785, 4)           -> 34.5679 (stored 34.567849999..., 15 digits ...785)
//   roundFixed(2.00004999999, 4)      -> 2
// Illegal: infinity and NaN are returned as they are.
double roundFixed(double value, int decimals);

}  // namespace korvel
