// The text line of one result row, as the result list shows it and the exports save it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korvel {

// One result row as its fields: the point number and the X (northing) and Y (easting) texts
// the list shows, written "0.000". Everything that writes points takes them from here, so
// that a file holds exactly the digits the list shows ("-0.000" included).
struct StakeRow {
    int number = 0;
    std::string x;
    std::string y;

    bool operator==(const StakeRow&) const = default;
};

// The row numbered `number` at X and Y, each written "0.000" (formatFixed: 15 significant
// digits, then halves away from zero, the minus sign kept).
//   (7, 3512.4, -12.05)       -> {7, "3512.400", "-12.050"}
//   (6, 2995.4505, 5016.1195) -> {6, "2995.451", "5016.120"}
//   (1, -1e-16, -10)          -> {1, "-0.000", "-10.000"}
// X and Y must be finite.
StakeRow makeStakeRow(int number, double x, double y);

// The list line of `row`: the point number right-aligned in three characters ("@@@", wider
// from 1000 on), five blanks, X, five blanks, Y; nothing follows.
//   {7, "3512.400", "-12.050"}     -> "  7     3512.400     -12.050"
//   {1000, "0.063", "1000000.000"} -> "1000     0.063     1000000.000"
std::string stakeRowLine(const StakeRow& row);

// The name a point file gives the row: `prefix` followed by the point number.
//   ("L2-", {7, ...}) -> "L2-7"      ("", {12, ...}) -> "12"
std::string pointName(std::string_view prefix, const StakeRow& row);

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
