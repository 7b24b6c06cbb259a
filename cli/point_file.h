// The point file (.dat) that total-station and RTK controllers and Chinese mapping software
// import: one staked point per line as "N,,Y,X,H", ASCII, CR LF, no header.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvel::cli {

// One line per result row: the point number, an empty code field, the easting Y and the
// northing X as the row writes them ("-0.000" included), and `elevation` as given.
//   ("  7     2995.451     5016.120", "0.000") -> "7,,5016.120,2995.451,0.000\r\n"
std::string encodePointFile(const std::vector<std::string>& rows, std::string_view elevation);

}  // namespace korvel::cli
