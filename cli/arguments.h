// What one korvel-calc command line asks for: the eight texts or a parameter file, the
// mode and position that the window's option buttons would hold, and where the rows go.
// Every option is declared once, in the table of arguments.cpp, with its value and its help:
// the parser, --help and the manual page (made from --help) all come from it.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/run.h"
#include "core/stake_check.h"
#include "files/measured/measured_points.h"
#include "files/output_formats.h"
#include "files/points/point_options.h"
#include "files/problem.h"
#include "report/stake_sheet.h"

namespace korvel::cli {

enum class Action { Calculate, Help, Version, UsageError };

struct Request {
    Action action = Action::Calculate;
    Problem error;                     // the usage error, when action is UsageError
    std::array<std::string, 8> texts;  // Text1 to Text8 as typed; D may be left out
    bool fromFile = false;             // the texts come from `paramsPath`
    std::string paramsPath;            // --params FILE
    Selection selection;               // as at the window's start: 按角值计算, 位置1
    std::string outputPath;            // -o FILE; empty for standard output
    OutputFormat format = OutputFormat::ResultsText;  // by the ending of -o FILE
    TypedPointOptions points;  // --elevation H and --prefix TEXT as typed, for point files
    // For the stake-out sheet: --project, --part, --instrument and --date (empty: today),
    // --station and --backsight.
    SheetHeader header;
    std::optional<SheetStation> station;
    std::optional<SheetStation> backsight;
    // For the check of the staked points: --measured FILE, --tolerance MM, --order EN.
    std::string measuredPath;  // empty: no check, the rows as always
    // For the check of points shot on the slope: --face FILE, with --tolerance and --order.
    std::string facePath;  // empty: no face check
    Tolerance tolerance;
    CoordinateOrder order = CoordinateOrder::NorthEast;
    // The slope in height: --top H, --slope M,N and --layers T as typed; --quantities.
    TypedHeights heights;
    bool quantities = false;
};

// Reads the arguments after the program's name. A text may start with "-" when a digit or
// "." follows ("-12.5"); after "--" every argument is a text. An option's value is the next
// argument, whatever it looks like. A repeated option counts with its last value; of --step
// and --angle the last one counts. The -o name's ending picks the format from the table of
// output formats. The elevation and prefix are checked as the window checks them.
//   {"--step", "12.5", "6", "60.3", "3000", "5000", "45.153", "2.5"} -> step mode, D empty
//   {"--position", "5", ...} -> BadPosition         {"-o", "成果.pdf", ...} -> UnknownEnding
//   {"--prefix", "桥台", ...} -> IllegalPrefix       {"--elevation", " 12.5", ...} -> accepted
// With --measured or --face, -o takes only the endings the checks write (checkWrites in the
// table); the two do not go together, and --face needs --top.
//   {"--measured", "a.gsi", "-o", "a.dxf", ...} -> UnknownEnding
//   {"--face", "a.gsi", ...} -> HeightOptionWithoutTop "--face"
// --slope, --layers and --quantities need --top; --layers needs -o of a point file or the
// sheet; --top does not go with --measured.
//   {"--slope", "1.5,1", ...} -> HeightOptionWithoutTop "--slope"
//   {"--top", "104", "--layers", "1", "-o", "a.txt", ...} -> LayersInListRows
//   {"--top", "104", "--slope", "1.5", ...} -> SlopeNotPositive "1.5"
Request parseArguments(const std::vector<std::string>& args);

// The usage text of --help: the synopsis, every option with its help and the table's endings,
// and the exit statuses.
std::string usageText();

}  // namespace korvel::cli
