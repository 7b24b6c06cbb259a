// One line of a CASS .dat or a delimited .csv / .txt point file.
#pragma once

#include <optional>
#include <string_view>

#include "files/measured/measured_points.h"

namespace korvel {

// The point in `line` (UTF-8, its line end cut off) read as `format` (CassDat or
// Delimited) in `order`, as decodeMeasuredShots reads it; nothing for a line that is no
// point. The coordinates are as decimalText gives them.
//   CassDat "7,,5016.120,2995.451,0.000"      -> {"7", "2995.451", "5016.120", "0.000"}
//   Delimited "L2-7\t2995.451\t+5016.12"      -> {"L2-7", "2995.451", "5016.12", ""}
//   Delimited, EastNorth "\"P1\" 30.5 50.25"  -> {"P1", "50.25", "30.5", ""}
//   "点号,X,Y,H", "", "P1,5000", "P1,5000,3000,abc", ",5000,3000" -> nothing
std::optional<FieldPoint> readDelimitedLine(std::string_view line, MeasuredFormat format,
                                            CoordinateOrder order);

}  // namespace korvel
