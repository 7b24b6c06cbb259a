// The lenient number reading against the C library's strtod on the same leading number,
// which this target cuts out of the text by its own simple scan.
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
    const auto digits = [&](std::size_t at) {
        while (at < s.size() && s[at] >= '0' && s[at] <= '9')
            ++at;
        return at;
    };
    const auto sign = [&](std::size_t at) {
        return at + (at < s.size() && (s[at] == '+' || s[at] == '-'));
    };
    const std::size_t start = sign(0);
    std::size_t k = digits(start);
    if (k < s.size() && s[k] == '.')
        k = digits(k + 1);
    if (k == start + (k > start && s[k - 1] == '.'))  // no digit at all
        return "0";
    if (k < s.size() && (s[k] == 'e' || s[k] == 'E')) {
        const std::size_t e = sign(k + 1);
        if (digits(e) > e)
            k = digits(e);
    }
    return s.substr(0, k);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = korvel::readLeadingNumber(text);
    // strtod in the classic locale (this program never calls setlocale).
    const std::string number = leadingNumber(text);
    if (number.size() > 4000)
        return 0;  // strtod is quadratic on huge inputs
    const double expected = std::strtod(number.c_str(), nullptr);
    // Below the normal range the reading may keep a subnormal or give zero.
    FUZZ_CHECK(std::fabs(expected) < 2.3e-308 ? std::fabs(value) < 2.3e-308 : value == expected,
               "same value as strtod");
    return 0;
}
