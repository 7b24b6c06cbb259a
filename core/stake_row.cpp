#include "core/stake_row.h"

#include <string>

#include "core/decimal.h"

namespace korvel {

std::string formatStakeRow(int number, double x, double y) {
    constexpr int kNumberWidth = 3;
    constexpr int kDecimals = 3;
    const std::string digits = std::to_string(number);
    std::string line;
    line.reserve(40);
    if (digits.size() < kNumberWidth)
        line.append(kNumberWidth - digits.size(), ' ');
    line += digits;
    line += "     ";
    line += formatFixed(x, kDecimals);
    line += "     ";
    line += formatFixed(y, kDecimals);
    return line;
}

}  // namespace korvel
