// What korvel-calc asks of Linux itself: moving the measured file's reader off the core the
// run works on, and leaving it free to run anywhere after.
#include "platform.h"

#include <gtest/gtest.h>
#include <sched.h>

#include <thread>

namespace korvel::cli {
namespace {

// The cores the calling thread may run on.
cpu_set_t allowedCores() {
    cpu_set_t cores;
    CPU_ZERO(&cores);
    EXPECT_EQ(sched_getaffinity(0, sizeof cores, &cores), 0);
    return cores;
}

TEST(CalcThreads, MovingOffACoreLeavesEveryCoreAllowed) {
    const cpu_set_t before = allowedCores();
    const int core = currentCore();
    ASSERT_GE(core, 0);
    moveOffCore(core);
    const int now = currentCore();
    cpu_set_t after = allowedCores();
    EXPECT_TRUE(CPU_EQUAL(&before, &after));
    if (CPU_COUNT(&before) > 1) {
        EXPECT_NE(now, core);
    }

    // Not on that core, or no core at all: nothing moves and nothing is taken away.
    moveOffCore(-1);
    after = allowedCores();
    EXPECT_TRUE(CPU_EQUAL(&before, &after));
}

// A thread pinned to one core has nowhere to go and stays where it is, still pinned.
TEST(CalcThreads, AThreadWithOneCoreStays) {
    std::thread([] {
        cpu_set_t one;
        CPU_ZERO(&one);
        CPU_SET(currentCore(), &one);
        ASSERT_EQ(sched_setaffinity(0, sizeof one, &one), 0);
        const int core = currentCore();
        moveOffCore(core);
        EXPECT_EQ(currentCore(), core);
        const cpu_set_t after = allowedCores();
        EXPECT_TRUE(CPU_EQUAL(&one, &after));
    }).join();
}

}  // namespace
}  // namespace korvel::cli
