// What differs between Linux and Windows for a command-line program, in one place
// (platform_posix.cpp, platform_win.cpp).
#pragma once

#include <string>
#include <vector>

namespace korvel::cli {

// The arguments after the program's name, in UTF-8. Windows passes main() the ANSI code
// page, so there they are taken from the wide command line instead.
std::vector<std::string> utf8Arguments(int argc, char** argv);

// What prepareStandardStreams changed and restoreStandardStreams puts back: the console's
// output code page on Windows (0 when there was none to change), nothing elsewhere.
struct StreamState {
    unsigned consoleOutputCodePage = 0;
};

// Standard output takes the row bytes as they are (LF stays LF on Windows too), and a
// Windows console shows the UTF-8 messages as Chinese. Returns what was there before.
StreamState prepareStandardStreams();

// Where the sheet module is: beside the program in the build tree and on Windows, in the
// program's own folder under libexec once installed on Linux
// (/usr/libexec/korvel/korvel-calc-sheet.so).
std::string sheetModulePath();

// Chooses the window system Qt paints a sheet with, before the QGuiApplication exists: none
// on Linux (Qt's offscreen platform, so that a sheet is written without a display), the
// system's own on Windows. A platform the caller set in QT_QPA_PLATFORM is kept.
void choosePaintingPlatform();

// Writes out what the streams still hold and gives the console back the code page it had
// before `prepareStandardStreams` (so the rest of a batch file prints as before).
void restoreStandardStreams(const StreamState& before);

}  // namespace korvel::cli
