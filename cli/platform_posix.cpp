// korvel-calc on POSIX systems: arguments and streams are bytes, UTF-8 here, and need no
// conversion.
#include "platform.h"

namespace korvel::cli {

// The arguments as the system passed them, which are UTF-8 here.
std::vector<std::string> utf8Arguments(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + (argc > 0 ? argc : 0));
}

// Nothing to set: POSIX streams write bytes unchanged.
StreamState prepareStandardStreams() {
    return {};
}

// Nothing was changed; the C runtime flushes the streams at exit.
void restoreStandardStreams(const StreamState&) {}

}  // namespace korvel::cli
