// Test main for the sheet: the environment's locale for C and C++ alike (as locale_main.cpp
// adopts it), and the QGuiApplication that painting a PDF needs, on Qt's offscreen platform
// unless another is asked for.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <locale>

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
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
