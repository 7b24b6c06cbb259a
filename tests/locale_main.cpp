// Test main that adopts the locale of the environment for C and C++ alike, so that a
// run under LC_ALL=de_DE.UTF-8 really has "," as the decimal separator everywhere.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <locale>

int main(int argc, char** argv) {
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
            return 1;
        }
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
