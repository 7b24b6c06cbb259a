#include "point_file.h"

#include <algorithm>
#include <array>

namespace korvel::cli {
namespace {

// The first three blank-separated fields of a row: number, X, Y.
std::array<std::string_view, 3> rowFields(std::string_view row) {
    std::array<std::string_view, 3> fields;
    std::size_t pos = 0;
    for (std::string_view& field : fields) {
        pos = row.find_first_not_of(' ', pos);
        if (pos == std::string_view::npos) {
            break;
        }
        const std::size_t end = std::min(row.find(' ', pos), row.size());
        field = row.substr(pos, end - pos);
        pos = end;
    }
    return fields;
}

}  // namespace

// X and Y swap places: the instruments take easting before northing.
std::string encodePointFile(const std::vector<std::string>& rows, std::string_view elevation) {
    std::string out;
    out.reserve(rows.size() * 48);
    for (const std::string& row : rows) {
        const auto [number, x, y] = rowFields(row);
        out.append(number).append(",,").append(y).append(",").append(x).append(",");
        out.append(elevation).append("\r\n");
    }
    return out;
}

}  // namespace korvel::cli
