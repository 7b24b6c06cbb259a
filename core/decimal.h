// Decimal rounding and fixed-point text for coordinates and angle fractions.
#pragma once

#include <string>

namespace korvel {

// `value` rounded to `decimals` places (0 to 6), halves away from zero, as the number
// that reads back from formatFixed's text. The rounding is exact: it works on the
// double's true binary value, never on a product that was itself rounded.
//   roundFixed(14.999999999999858, 4) -> 15     (the noise of (30.15 - 30) * 100)
//   roundFixed(0.03125, 4)            -> 0.0313 (an exact half goes up)
//   roundFixed(2.00004999999, 4)      -> 2
double roundFixed(double value, int decimals);

// The "0.000" pattern with `decimals` places: optional minus, at least one digit before
// the point, exactly `decimals` digits after it, no separators, no blanks.
//   formatFixed(3512.4, 3) -> "3512.400"    formatFixed(-12.05, 3) -> "-12.050"
//   formatFixed(0.0625, 3) -> "0.063"       formatFixed(-0.0004, 3) -> "0.000"
// Only finite values have a text; infinity and NaN give an empty string.
std::string formatFixed(double value, int decimals);

}  // namespace korvel
