// Test main for the sheets: the environment's locale (environment_locale.h), and the
// QGuiApplication that painting a PDF needs, on Qt's offscreen platform unless another is
// asked for.
#include <gtest/gtest.h>

#include <QGuiApplication>

#include "environment_locale.h"

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    if (!korvel::test::adoptEnvironmentLocale()) {
        return 1;
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
