// The text line of one result row, as the result list shows it and the exports save it.
#pragma once

#include <string>

namespace korvel {

// Point number right-aligned in three characters ("@@@", wider from 1000 on), five blanks,
// X as "0.000", five blanks, Y as "0.000" (formatFixed: 15 significant digits, then
// halves away from zero, the minus sign kept); nothing follows.
//   (7, 3512.4, -12.05)        -> "  7     3512.400     -12.050"
//   (1000, 0.0625, 1e6)        -> "1000     0.063     1000000.000"
//   (6, 2995.4505, 5016.1195)  -> "  6     2995.451     5016.120"
//   (1, -1e-16, -10)           -> "  1     -0.000     -10.000"
// X and Y must be finite.
std::string formatStakeRow(int number, double x, double y);

}  // namespace korvel
