// What one korvel-calc command line asks for: the eight texts or a parameter file, the
// mode and position that the window's option buttons would hold, and where the rows go.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/run.h"
#include "files/output_formats.h"
#include "files/points/point_list.h"

namespace korvel::cli {

enum class Action { Calculate, Help, Version, UsageError };

struct Request {
    Action action = Action::Calculate;
    std::string error;                 // the usage error, UTF-8, when action is UsageError
    std::array<std::string, 8> texts;  // Text1 to Text8 as typed; D may be left out
    bool fromFile = false;             // the texts come from `paramsPath`
    std::string paramsPath;            // --params FILE
    Selection selection;               // as at the window's start: 按角值计算, 位置1
    std::string outputPath;            // -o FILE; empty for standard output
    OutputFormat format = OutputFormat::ResultsText;  // by the ending of -o FILE
    PointOptions points;  // --elevation H and --prefix TEXT, for point files
};

// Reads the arguments after the program's name. A text may start with "-" when a digit or
// "." follows ("-12.5"); after "--" every argument is a text. The -o name's ending picks
// the format from the table of output formats; an ending not in it is a usage error.
//   {"--step", "12.5", "6", "60.3", "3000", "5000", "45.153", "2.5"} -> step mode, D empty
//   {"--position", "5", ...}                                        -> UsageError
//   {"-o", "成果.pdf", ...}, {"--prefix", "桥台", ...}                -> UsageError
Request parseArguments(const std::vector<std::string>& args);

// The usage text of --help: the synopsis, the options with the table's endings, and the
// exit statuses. The manual page is made from it.
std::string usageText();

}  // namespace korvel::cli
