// What differs between Linux and Windows for a command-line program, in one place.
#pragma once

#include <string>
#include <vector>

namespace korvel::cli {

// The arguments after the program's name, in UTF-8. Windows passes main() the ANSI code
// page, so there they are taken from the wide command line instead.
std::vector<std::string> utf8Arguments(int argc, char** argv);

// Standard output takes the row bytes as they are (LF stays LF on Windows too), and a
// Windows console shows the UTF-8 messages as Chinese.
void prepareStandardStreams();

}  // namespace korvel::cli
