// Test main that adopts the locale of the environment (environment_locale.h).
#include <gtest/gtest.h>

#include "environment_locale.h"

int main(int argc, char** argv) {
    if (!korvel::test::adoptEnvironmentLocale()) {
        return 1;
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
