// What one korvel-calc command line asks for: the eight texts or a parameter file, the
// mode and position that the window's option buttons would hold, and where the rows go.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/run.h"

namespace korvel::cli {

enum class Action { Calculate, Help, Version, UsageError };

// Where the rows are written, chosen by the ending of the -o name.
enum class OutputKind { StandardOutput, Text, Workbook, PointFile };

struct Request {
    Action action = Action::Calculate;
    std::string error;                 // the usage error, UTF-8, when action is UsageError
    std::array<std::string, 8> texts;  // Text1 to Text8 as typed; D may be left out
    bool fromFile = false;             // the texts come from `paramsPath`
    std::string paramsPath;            // --params FILE
    Selection selection;               // as at the window's start: 按角值计算, 位置1
    std::string outputPath;            // -o FILE; empty for standard output
    std::string elevation = "0.000";   // --elevation H with three decimals, for .dat files
};

// Reads the arguments after the program's name. A text may start with "-" when a digit or
// "." follows ("-12.5"); after "--" every argument is a text.
//   {"--step", "12.5", "6", "60.3", "3000", "5000", "45.153", "2.5"} -> step mode, D empty
//   {"--position", "5", ...}                                        -> UsageError
Request parseArguments(const std::vector<std::string>& args);

// .xls and .xlsx in any letter case give a workbook, .dat a point file, any other name
// the results text file; no name at all gives standard output.
OutputKind outputKind(std::string_view path);

}  // namespace korvel::cli
