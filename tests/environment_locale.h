// The locale of the environment for C and C++ alike, so that a run under
// LC_ALL=de_DE.UTF-8 really has "," as the decimal separator everywhere; shared by the
// suites' mains.
#pragma once

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <locale>

namespace korvel::test {

// Adopts the environment's locale; false, with a line on standard error, when the run asks
// for the comma-decimal locale (KORVEL_EXPECT_COMMA_LOCALE) and it is not installed.
inline bool adoptEnvironmentLocale() {
    std::setlocale(LC_ALL, "");
    try {
        std::locale::global(std::locale(""));
    } catch (const std::exception&) {
        // An unknown locale name leaves the classic locale in place; checked below.
    }
    if (std::getenv("KORVEL_EXPECT_COMMA_LOCALE") != nullptr) {
        const std::lconv* conv = std::localeconv();
        if (conv == nullptr || conv->decimal_point[0] != ',') {
            std::fprintf(
                stderr,
                "the comma-decimal locale is not installed (run scripts/install-deps.sh)\n");
            return false;
        }
    }
    return true;
}

}  // namespace korvel::test
