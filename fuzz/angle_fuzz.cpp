// 弧度 on arbitrary doubles: no angle beyond 32-bit degrees, otherwise a finite angle
// with the argument's sign, within two degrees above its whole degrees.
#include <cmath>
#include <cstdint>
#include <cstring>

#include "core/angle.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(double))
        return 0;
    double x = 0;
    std::memcpy(&x, data, sizeof x);
    const double r = korvel::弧度(x);
    const double magnitude = std::fabs(x);
    if (std::isnan(x) || magnitude >= 2147483648.0) {
        FUZZ_CHECK(std::isnan(r), "no angle beyond 32-bit degrees");
        return 0;
    }
    FUZZ_CHECK(r == 0 || std::signbit(r) == std::signbit(x), "sign kept");
    // Minutes and seconds add at most 99′ 99.99″, under two degrees.
    const double degrees = std::floor(magnitude);
    const double perDegree = korvel::kPi / 180.0;
    FUZZ_CHECK(std::fabs(r) >= degrees * perDegree * (1 - 1e-15), "at least the whole degrees");
    FUZZ_CHECK(std::fabs(r) <= (degrees + 2) * perDegree * (1 + 1e-15), "under two more degrees");
    return 0;
}
