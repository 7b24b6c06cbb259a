#include "arguments.h"

#include <QDate>
#include <algorithm>
#include <optional>
#include <string_view>

namespace korvel::cli {
namespace {

// Whether `text` is a day written YYYY-MM-DD.
bool isDay(const std::string& text) {
    return text.size() == 10 &&
           QDate::fromString(QString::fromStdString(text), Qt::ISODate).isValid();
}

// "NAME,X,Y" as a station: the name is what stands before the last two commas, and may hold
// commas itself; nothing without two commas.
std::optional<SheetStation> placeOf(const std::string& text) {
    const std::size_t second = text.rfind(',');
    if (second == std::string::npos || second == 0) {
        return std::nullopt;
    }
    const std::size_t first = text.rfind(',', second - 1);
    if (first == std::string::npos) {
        return std::nullopt;
    }
    return SheetStation{text.substr(0, first), text.substr(first + 1, second - first - 1),
                        text.substr(second + 1)};
}

// Applies an option's value to the request; the problem when the value is refused.
using ApplyValue = Problem (*)(Request&, const std::string&);

// One option: its names as --help shows them, the name of its value (none for a flag), its
// help lines, and what it does.
struct OptionDeclaration {
    std::string_view names;  // "-o", "-h, --help"; the first long or short name is matched
    std::string_view value;  // "FILE"; empty for a flag
    std::string_view help;   // lines joined by '\n'
    ApplyValue apply;        // for a flag, called with an empty value
};

// The line --help gives the endings: each from the table of output formats.
constexpr std::string_view kEndingsPlaceholder = "@endings";

// Every option of korvel-calc.
constexpr OptionDeclaration kOptions[] = {
    {"--step", "", "按步长计算 points by a fixed length along the long axis",
     [](Request& r, const std::string&) {
         r.selection.option5 = true;
         return Problem{};
     }},
    {"--angle", "", "按角值计算 points by a fixed angle at the centre (default)",
     [](Request& r, const std::string&) {
         r.selection.option5 = false;
         return Problem{};
     }},
    {"--position", "N", "位置N, N = 1..4 (default 1)",
     [](Request& r, const std::string& v) {
         if (v.size() != 1 || v[0] < '1' || v[0] > '4') {
             return problemAbout(ProblemCode::BadPosition, v);
         }
         r.selection.position = {};
         r.selection.position[static_cast<std::size_t>(v[0] - '1')] = true;
         return Problem{};
     }},
    {"--params", "FILE", "参数读取 the eight texts from a .zdy parameter file",
     [](Request& r, const std::string& v) {
         r.fromFile = true;
         r.paramsPath = v;
         return Problem{};
     }},
    {"-o", "FILE", "保存成果 save the rows, in the format of FILE's ending:\n@endings",
     [](Request& r, const std::string& v) {
         // An empty name would silently mean standard output.
         if (v.empty()) {
             return problemAbout(ProblemCode::MissingValue, "-o");
         }
         const std::optional<OutputFormat> format = outputFormatFor(QString::fromStdString(v));
         if (!format) {
             return problemAbout(ProblemCode::UnknownEnding, v);
         }
         r.outputPath = v;
         r.format = *format;
         return Problem{};
     }},
    {"--elevation", "H", "坡脚高程 toe elevation H of the points (default 0.000)",
     [](Request& r, const std::string& v) {
         r.points.elevation = v;
         return checkPointOptions(r.points).problem;
     }},
    {"--prefix", "TEXT",
     "点名前缀 point names TEXT1, TEXT2, ...: letters, digits, - _ .,\n"
     "16 characters at most with the number",
     [](Request& r, const std::string& v) {
         r.points.prefix = v;
         return checkPointOptions(r.points).problem;
     }},
    {"--project", "TEXT", "工程名称 the project, for the sheet's header",
     [](Request& r, const std::string& v) {
         r.header.project = v;
         return Problem{};
     }},
    {"--part", "TEXT", "桩号及部位 the chainage and part, e.g. \"K12+345 左幅\"",
     [](Request& r, const std::string& v) {
         r.header.part = v;
         return Problem{};
     }},
    {"--instrument", "TEXT", "仪器型号及编号 the instrument and its number",
     [](Request& r, const std::string& v) {
         r.header.instrument = v;
         return Problem{};
     }},
    {"--date", "YYYY-MM-DD", "日期 the day on the sheet (default today)",
     [](Request& r, const std::string& v) {
         if (!isDay(v)) {
             return problemAbout(ProblemCode::BadDate, v);
         }
         r.header.date = v;
         return Problem{};
     }},
    {"--station", "NAME,X,Y",
     "测站 the station the points are staked from, for the sheet's\n"
     "方位角, 水平角 and 水平距离; needs --backsight",
     [](Request& r, const std::string& v) {
         r.station = placeOf(v);
         return r.station ? Problem{} : problemAbout(ProblemCode::BadPlace, v);
     }},
    {"--backsight", "NAME,X,Y", "后视 the backsight the horizontal angles are turned from",
     [](Request& r, const std::string& v) {
         r.backsight = placeOf(v);
         return r.backsight ? Problem{} : problemAbout(ProblemCode::BadPlace, v);
     }},
    {"--measured", "FILE",
     "放样复核 check the staked points measured in FILE (.gsi, .dat, .csv,\n"
     ".txt) against the run's points of the same names, and print the\n"
     "check; -o saves it, as text, CSV for Excel, a workbook or the\n"
     "check sheet 锥坡放样复核记录表, by the endings marked *",
     [](Request& r, const std::string& v) {
         if (v.empty()) {
             return problemAbout(ProblemCode::MissingValue, "--measured");
         }
         r.measuredPath = v;
         return Problem{};
     }},
    {"--face", "FILE",
     "坡面检测 check the points shot on the slope in FILE (.gsi, .dat,\n"
     ".csv, .txt) against its design surface (needs --top), and print\n"
     "the check; -o saves it by the endings marked *, .pdf the sheet\n"
     "锥坡坡面高程检测表",
     [](Request& r, const std::string& v) {
         if (v.empty()) {
             return problemAbout(ProblemCode::MissingValue, "--face");
         }
         r.facePath = v;
         return Problem{};
     }},
    {"--tolerance", "MM",
     "允许偏差 the tolerance in millimetres, over 0, at most 10000\n(default 50)",
     [](Request& r, const std::string& v) {
         const std::optional<Tolerance> tolerance = toleranceFromText(v);
         if (!tolerance) {
             return problemAbout(ProblemCode::BadTolerance, v);
         }
         r.tolerance = *tolerance;
         return Problem{};
     }},
    {"--order", "EN",
     "a .csv or .txt of measured points holds name,Y,X (E,N) rather\nthan name,X,Y",
     [](Request& r, const std::string& v) {
         if (v != "EN" && v != "NE") {
             return problemAbout(ProblemCode::BadOrder, v);
         }
         r.order = v == "EN" ? CoordinateOrder::EastNorth : CoordinateOrder::NorthEast;
         return Problem{};
     }},
    {"--top", "H",
     "坡顶高程 the top of the slope, above --elevation: the point files\n"
     "gain its top line, .xml and .dxf its surface, the sheet its\n"
     "heights and quantities",
     [](Request& r, const std::string& v) {
         // A blank top would silently mean no heights.
         if (withoutBlanksAround(v).empty()) {
             return problemAbout(ProblemCode::TopNotNumber, v);
         }
         r.heights.top = v;
         return Problem{};
     }},
    {"--slope", "M,N",
     "坡率 the slopes 1:M along the long axis and 1:N along the road\n"
     "(default a true cone, its apex over the ellipse's centre)",
     [](Request& r, const std::string& v) {
         const std::size_t comma = v.find(',');
         if (comma == std::string::npos || comma == 0 || comma + 1 == v.size() ||
             v.find(',', comma + 1) != std::string::npos) {
             return problemAbout(ProblemCode::SlopeNotPositive, v);
         }
         r.heights.longSlope = v.substr(0, comma);
         r.heights.shortSlope = v.substr(comma + 1);
         return Problem{};
     }},
    {"--layers", "T",
     "分层厚度 stake the line of every fill layer T thick and the top\n"
     "line too, named PREFIXk-n for the n-th point of line k",
     [](Request& r, const std::string& v) {
         r.heights.thickness = v;
         return Problem{};
     }},
    {"--quantities", "",
     "工程量 print the fill, the face's area and the lengths of the toe\n"
     "and top lines",
     [](Request& r, const std::string&) {
         r.quantities = true;
         return Problem{};
     }},
    {"--", "", "其后都是数据 all that follows are texts", nullptr},
    {"-h, --help", "", "show this help and exit",
     [](Request& r, const std::string&) {
         r.action = Action::Help;
         return Problem{};
     }},
    {"    --version", "", "show the version and exit",
     [](Request& r, const std::string&) {
         r.action = Action::Version;
         return Problem{};
     }},
};

// True for "-x" and "--name"; "-", "-12.5" and "-.5" are texts (a negative coordinate).
bool isOption(std::string_view arg) {
    return arg.size() > 1 && arg[0] == '-' && !(arg[1] >= '0' && arg[1] <= '9') && arg[1] != '.';
}

// Whether `arg` is one of the blank- or comma-separated names of `option`.
bool names(const OptionDeclaration& option, std::string_view arg) {
    std::string_view rest = option.names;
    while (!rest.empty()) {
        const std::size_t start = rest.find_first_not_of(", ");
        if (start == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(start);
        const std::size_t end = std::min(rest.find_first_of(", "), rest.size());
        if (rest.substr(0, end) == arg) {
            return true;
        }
        rest.remove_prefix(end);
    }
    return false;
}

// The declaration of `arg`, if it has one.
const OptionDeclaration* declaration(std::string_view arg) {
    for (const OptionDeclaration& option : kOptions) {
        if (names(option, arg)) {
            return &option;
        }
    }
    return nullptr;
}

// A request that stops at a usage error.
Request usageError(Problem problem) {
    Request request;
    request.action = Action::UsageError;
    request.error = std::move(problem);
    return request;
}

// "-o FILE" or "--step", as the first column of --help shows an option.
std::string synopsis(const OptionDeclaration& option) {
    std::string text(option.names);
    if (!option.value.empty()) {
        text.append(" ").append(option.value);
    }
    return text;
}

// The help lines of `option`, the endings line expanded to one line per output format.
std::vector<std::string> helpLines(const OptionDeclaration& option) {
    std::vector<std::string> lines;
    std::string_view help = option.help;
    while (!help.empty()) {
        const std::size_t end = std::min(help.find('\n'), help.size());
        const std::string_view line = help.substr(0, end);
        if (line == kEndingsPlaceholder) {
            for (const OutputFormatEntry& entry : kOutputFormats) {
                std::string ending(entry.ending);
                ending += writesCheck(entry.format) ? "*" : "";
                ending.resize(std::max<std::size_t>(ending.size(), 7), ' ');
                lines.push_back("  " + ending + std::string(entry.summary));
            }
        } else {
            lines.emplace_back(line);
        }
        help.remove_prefix(std::min(end + 1, help.size()));
    }
    return lines;
}

// The endings of the formats that name the points: ".dat .gsi .csv .xml .dxf .pdf".
std::string pointEndings() {
    std::string endings;
    for (const OutputFormatEntry& entry : kOutputFormats) {
        if (namesPoints(entry.format)) {
            endings.append(endings.empty() ? "" : " ").append(entry.ending);
        }
    }
    return endings;
}

// What is wrong with the height options together with the rest, if anything.
Problem heightsProblem(const Request& request) {
    const TypedHeights& h = request.heights;
    if (!request.facePath.empty() && !request.measuredPath.empty()) {
        return problemAbout(ProblemCode::FaceWithMeasured);
    }
    if (h.top.empty()) {
        for (const auto& [given, option] : {std::pair{!h.longSlope.empty(), "--slope"},
                                            {!h.thickness.empty(), "--layers"},
                                            {request.quantities, "--quantities"},
                                            {!request.facePath.empty(), "--face"}}) {
            if (given) {
                return problemAbout(ProblemCode::HeightOptionWithoutTop, option);
            }
        }
        return {};
    }
    if (!request.measuredPath.empty()) {
        return problemAbout(ProblemCode::HeightsWithMeasured);
    }
    if (!h.thickness.empty() && request.facePath.empty() &&
        (request.outputPath.empty() || !namesPoints(request.format))) {
        return problemAbout(ProblemCode::LayersInListRows,
                            request.outputPath.empty() ? "stdout" : request.outputPath);
    }
    return {};
}

}  // namespace

// One pass from left to right; the first error, --help or --version ends it.
Request parseArguments(const std::vector<std::string>& args) {
    Request request;
    request.selection.position[0] = true;
    std::vector<std::string> texts;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || !isOption(arg)) {
            texts.push_back(arg);
            continue;
        }
        const OptionDeclaration* option = declaration(arg);
        if (option == nullptr) {
            return usageError(problemAbout(ProblemCode::UnknownOption, arg));
        }
        if (option->apply == nullptr) {  // "--"
            optionsEnded = true;
            continue;
        }
        const bool takesValue = !option->value.empty();
        if (takesValue && i + 1 == args.size()) {
            return usageError(problemAbout(ProblemCode::MissingValue, arg));
        }
        if (Problem problem = option->apply(request, takesValue ? args[++i] : std::string())) {
            return usageError(std::move(problem));
        }
        if (request.action != Action::Calculate) {
            return request;
        }
    }
    if (request.fromFile && !texts.empty()) {
        return usageError(problemAbout(ProblemCode::ParamsWithTexts));
    }
    if (Problem problem = heightsProblem(request)) {
        return usageError(std::move(problem));
    }
    const bool check = !request.measuredPath.empty() || !request.facePath.empty();
    if (check && !request.outputPath.empty() && !writesCheck(request.format)) {
        return usageError(problemAbout(ProblemCode::UnknownEnding, request.outputPath));
    }
    if (!request.fromFile && texts.size() != 7 && texts.size() != 8) {
        return usageError(problemAbout(ProblemCode::WrongTextCount, std::to_string(texts.size())));
    }
    std::copy(texts.begin(), texts.end(), request.texts.begin());
    return request;
}

std::string usageText() {
    std::string text =
        "Usage: korvel-calc [OPTION]... A B BETA X Y AZIMUTH STEP [D]\n"
        "  or:  korvel-calc [OPTION]... --params FILE.zdy\n"
        "椭圆锥坡放样坐标计算：与窗口的“计算”相同。\n"
        "Computes the stake-out points of one quarter of an elliptical cone slope, as the\n"
        "window's 计算 does, and prints the rows (number, X, Y) or saves them.\n"
        "\n"
        "A B BETA X Y AZIMUTH STEP D are the window's boxes Text1..Text8: the semi-axes a\n"
        "and b, the angle between road and long axis, the road centre point O (X northing,\n"
        "Y easting), the road azimuth at O, the step and the offset D of the ellipse's\n"
        "centre. Angles are D.MMSS (30.1530 is 30°15'30\"); \"\" is an empty box; D may be\n"
        "left out; -12.5 is a text, not an option.\n"
        "\n"
        "Options:\n";
    constexpr std::size_t kHelpColumn = 21;
    for (const OptionDeclaration& option : kOptions) {
        std::string first = "  " + synopsis(option);
        first.resize(std::max(first.size() + 1, kHelpColumn), ' ');
        const std::vector<std::string> lines = helpLines(option);
        for (std::size_t k = 0; k < lines.size(); ++k) {
            text.append(k == 0 ? first : std::string(kHelpColumn, ' ')).append(lines[k]) += '\n';
        }
    }
    text +=
        "\nWithout -o the rows go to standard output, one per line. --elevation and --prefix\n"
        "apply to the point files and the sheet (" +
        pointEndings() +
        ");\n.txt, .xls and .xlsx hold the list's rows. The sheet's header takes --project,\n"
        "--part, --instrument and --date, each 60 characters at most; with --station and\n"
        "--backsight its table gains the polar data to stake each point from the station.\n"
        "--top gives the slope its height: at z above the toe its line is the quarter with\n"
        "the semi-axes a - M*z and b - N*z, up to the top line; --layers and the top line\n"
        "go to the point files and the sheet, after the toe's points. --quantities prints\n"
        "锥坡填方 (m³), 坡面面积 (m²), 坡脚线长 and 坡顶线长 (m), after the file is written,\n"
        "or in place of the rows without -o.\n"
        "A refused run writes nothing.\n"
        "\n"
        "Exit status:\n"
        "  0  成果 rows written (a note on points left out may go to standard error);\n"
        "     with --measured, every point measured and within the tolerance; with\n"
        "     --face, every point on the face within it\n"
        "  1  拒绝计算 the run was refused with the window's message\n"
        "  2  用法或文件错误 usage error, heights refused, unreadable parameter or\n"
        "     measured file, or failed save\n"
        "  3  超限或未测 with --measured, some point beyond the tolerance or not measured;\n"
        "     偏高或偏低 with --face, some point on the face beyond it\n";
    return text;
}

}  // namespace korvel::cli
