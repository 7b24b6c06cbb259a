// The lenient number reading against the C library's strtod on the same leading number,
// which this target cuts out of the text by its own simple scan.
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/number.h"
#include "fuzz/fuzz_check.h"

namespace {

// The leading number of `text` with blanks, tabs and line feeds taken out, as strtod
// would accept it: sign, digits with one point, an exponent only with digits.
std::string leadingNumber(std::string_view text) {
    std::string s;
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n')
            s.push_back(c);
    }
    std::size_t k = 0;
    const auto digit = [&](std::size_t at) {
        return at < s.size() && s[at] >= '0' && s[at] <= '9';
    };
    if (k < s.size() && (s[k] == '+' || s[k] == '-'))
        ++k;
    bool any = false;
    while (digit(k))
        any = true, ++k;
    if (k < s.size() && s[k] == '.') {
        ++k;
        while (digit(k))
            any = true, ++k;
    }
    if (!any)
        return "0";
    std::size_t end = k;
    if (k < s.size() && (s[k] == 'e' || s[k] == 'E')) {
        std::size_t e = k + 1;
        if (e < s.size() && (s[e] == '+' || s[e] == '-'))
            ++e;
        if (digit(e)) {
            while (digit(e))
                ++e;
            end = e;
        }
    }
    return s.substr(0, end);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = korvel::readLeadingNumber(text);
    FUZZ_CHECK(!std::isnan(value), "a number is never NaN");

    // strtod in the classic locale (this program never calls setlocale).
    const std::string number = leadingNumber(text);
    if (number.size() > 4000)
        return 0;  // strtod is quadratic on huge inputs
    errno = 0;
    const double expected = std::strtod(number.c_str(), nullptr);
    if (expected == 0.0 || std::fabs(expected) < 2.3e-308) {
        // Below the normal range: the reading may keep a subnormal or give zero.
        FUZZ_CHECK(std::fabs(value) < 2.3e-308, "tiny stays tiny");
    } else {
        FUZZ_CHECK(value == expected, "same value as strtod");
    }
    return 0;
}
