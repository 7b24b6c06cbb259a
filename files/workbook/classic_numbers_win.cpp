// The "C" locale for one thread on Windows: the C runtime's per-thread locale mode, in
// which setlocale changes the calling thread alone.
#include <clocale>
#include <string>

#include "files/workbook/classic_numbers.h"

namespace korvel {

namespace {

// While alive, the calling thread is in per-thread mode with LC_NUMERIC "C"; then the
// thread's numeric locale and mode are put back.
struct ThreadInClassicLocale {
    int previousMode = _configthreadlocale(_ENABLE_PER_THREAD_LOCALE);
    std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    ThreadInClassicLocale() { std::setlocale(LC_NUMERIC, "C"); }
    ~ThreadInClassicLocale() {
        std::setlocale(LC_NUMERIC, previous.c_str());
        _configthreadlocale(previousMode);
    }
    ThreadInClassicLocale(const ThreadInClassicLocale&) = delete;
    ThreadInClassicLocale& operator=(const ThreadInClassicLocale&) = delete;
};

}  // namespace

// The switch lasts exactly as long as `work`.
void withClassicNumbers(const std::function<void()>& work) {
    const ThreadInClassicLocale classic;
    work();
}

}  // namespace korvel
