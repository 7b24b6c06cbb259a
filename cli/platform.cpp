#include "platform.h"

#ifdef _WIN32
// windows.h first: shellapi.h builds on its types.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#endif

namespace korvel::cli {

#ifdef _WIN32
// CommandLineToArgvW splits as the C runtime does; each argument goes to UTF-8.
std::vector<std::string> utf8Arguments(int, char**) {
    std::vector<std::string> args;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; wide != nullptr && i < count; ++i) {
        const int size = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string arg(size > 0 ? static_cast<std::size_t>(size - 1) : 0, '\0');
        if (size > 1) {
            WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, arg.data(), size, nullptr, nullptr);
        }
        args.push_back(std::move(arg));
    }
    LocalFree(wide);
    return args;
}

// Binary mode for the rows; the console's output code page set to UTF-8.
void prepareStandardStreams() {
    _setmode(_fileno(stdout), _O_BINARY);
    SetConsoleOutputCP(CP_UTF8);
}
#else
// The arguments as the system passed them, which are UTF-8 here.
std::vector<std::string> utf8Arguments(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + (argc > 0 ? argc : 0));
}

// Nothing to set: POSIX streams write bytes unchanged.
void prepareStandardStreams() {}
#endif

}  // namespace korvel::cli
