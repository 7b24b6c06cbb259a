#include "core/angle.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "core/decimal.h"

namespace korvel {

double 弧度(double dmmss) {
    const double sign = dmmss < 0 ? -1.0 : (dmmss > 0 ? 1.0 : 0.0);
    const double x = std::fabs(dmmss);
    // Whole degrees are a 32-bit count; anything beyond (or not a number) has no angle.
    if (!(x < 2147483648.0))
        return std::numeric_limits<double>::quiet_NaN();
    const auto degrees = static_cast<std::int32_t>(std::floor(x));
    // Minutes and seconds as MM.SS, read back from their "0.0000" text: (30.15 - 30) * 100
    // is 14.999999999999858 in binary, and the rounding gives back the typed 15 minutes.
    const double minutesSeconds = roundFixed((x - degrees) * 100.0, 4);
    const auto minutes = static_cast<std::int32_t>(std::floor(minutesSeconds));
    const double seconds = (minutesSeconds - minutes) * 100.0;
    return ((minutes / 60.0 + degrees) + seconds / 3600.0) / 180.0 * kPi * sign;
}

}  // namespace korvel
