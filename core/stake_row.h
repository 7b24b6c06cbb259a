// The text line of one result row, as the result list shows it and the exports save it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

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

// The three fields of a result row as the list shows them: the point number and the X and
// Y texts, views into the line.
struct StakeRowFields {
    std::string_view number;
    std::string_view x;
    std::string_view y;
};

// The fields of `line` when it is a row: blanks, the number's digits, blanks, X, blanks, Y,
// each coordinate written -?[0-9]+.[0-9]{3}, nothing after Y; nothing for any other text.
// Every writer that needs the fields of a row takes them from here.
//   "  7     3512.400     -12.050" -> {"7", "3512.400", "-12.050"}
//   "100     -0.000     5.000"     -> {"100", "-0.000", "5.000"}
//   " 点号   X   Y", "  7     3512.4     1.000", "  7     1.000     2.000 " -> nothing
std::optional<StakeRowFields> splitStakeRow(std::string_view line);

}  // namespace korvel
