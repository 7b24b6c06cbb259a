// korvel-calc on Windows: the wide command line, binary standard output, and the console's
// output code page, which belongs to the whole console window and outlives the program.
// windows.h first: shellapi.h builds on its types.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on
#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "platform.h"

namespace korvel::cli {

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

// Beside korvel-calc.exe, as Windows finds a program's DLLs.
std::string sheetModulePath() {
    wchar_t program[MAX_PATH];
    const DWORD size = GetModuleFileNameW(nullptr, program, MAX_PATH);
    std::wstring path(program, size);
    path.erase(path.find_last_of(L"\\/") + 1);
    path += L"" KORVEL_SHEET_MODULE_NAME;
    const int bytes =
        WideCharToMultiByte(CP_UTF8, 0, path.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(bytes > 0 ? static_cast<std::size_t>(bytes - 1) : 0, '\0');
    if (bytes > 1) {
        WideCharToMultiByte(CP_UTF8, 0, path.c_str(), -1, utf8.data(), bytes, nullptr, nullptr);
    }
    return utf8;
}

// Windows' own platform paints without showing anything; a program without a console window
// has it too.
void choosePaintingPlatform() {}

// Binary mode for the rows; the console's output code page set to UTF-8. Without a console
// (output to a file or pipe) GetConsoleOutputCP gives 0 and nothing is changed.
StreamState prepareStandardStreams() {
    _setmode(_fileno(stdout), _O_BINARY);
    const StreamState before{GetConsoleOutputCP()};
    if (before.consoleOutputCodePage != 0) {
        SetConsoleOutputCP(CP_UTF8);
    }
    return before;
}

// The console turns bytes into characters as they are written, so the UTF-8 still buffered
// goes out before the old code page comes back.
void restoreStandardStreams(const StreamState& before) {
    std::fflush(stdout);
    std::fflush(stderr);
    if (before.consoleOutputCodePage != 0) {
        SetConsoleOutputCP(before.consoleOutputCodePage);
    }
}

}  // namespace korvel::cli
