// The "C" locale for one thread on POSIX systems: uselocale with a locale object of its own.
#include <locale.h>

#include "files/workbook/classic_numbers.h"

namespace korvel {

namespace {

// While alive, the calling thread uses the "C" locale; without it, the thread's own stays.
struct ThreadInClassicLocale {
    locale_t classic = newlocale(LC_ALL_MASK, "C", locale_t{});
    locale_t previous = classic ? uselocale(classic) : locale_t{};
    ThreadInClassicLocale() = default;
    ~ThreadInClassicLocale() {
        if (classic) {
            uselocale(previous);
            freelocale(classic);
        }
    }
    ThreadInClassicLocale(const ThreadInClassicLocale&) = delete;
    ThreadInClassicLocale& operator=(const ThreadInClassicLocale&) = delete;
};

}  // namespace

// uselocale switches this thread alone; the global locale is not touched.
void withClassicNumbers(const std::function<void()>& work) {
    const ThreadInClassicLocale classic;
    work();
}

}  // namespace korvel
