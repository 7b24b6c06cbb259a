// C's printf family writes numbers in the thread's locale ("3001,063" under a comma-decimal
// one); a library that prints its numbers that way must run in the "C" locale. Each
// platform has its own per-thread locale switch (uselocale, or _configthreadlocale).
#pragma once

#include <functional>

namespace korvel {

// Runs `work` with the calling thread alone in the "C" locale, and puts the thread's own
// locale back afterwards, also when `work` throws. Other threads keep theirs throughout.
void withClassicNumbers(const std::function<void()>& work);

}  // namespace korvel
