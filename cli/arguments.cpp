#include "arguments.h"

#include <algorithm>

namespace korvel::cli {
namespace {

// A request that stops at a usage error.
Request usageError(std::string text) {
    Request request;
    request.action = Action::UsageError;
    request.error = std::move(text);
    return request;
}

// True for "-x" and "--name"; "-", "-12.5" and "-.5" are texts (a negative coordinate).
bool isOption(std::string_view arg) {
    return arg.size() > 1 && arg[0] == '-' && !(arg[1] >= '0' && arg[1] <= '9') && arg[1] != '.';
}

// The options that take the next argument as their value.
bool takesValue(std::string_view option) {
    return option == "--position" || option == "--params" || option == "-o" ||
           option == "--elevation" || option == "--prefix";
}

// Applies one option with its value to `request`; the usage error text if the value is bad.
std::optional<std::string> applyValue(Request& request, std::string_view option,
                                      const std::string& value) {
    if (option == "--position") {
        if (value.size() != 1 || value[0] < '1' || value[0] > '4') {
            return "位置应为1到4 position must be 1 to 4: " + value;
        }
        request.selection.position = {};
        request.selection.position[static_cast<std::size_t>(value[0] - '1')] = true;
    } else if (option == "--params") {
        request.fromFile = true;
        request.paramsPath = value;
    } else if (option == "-o") {
        const std::optional<OutputFormat> format = outputFormatFor(QString::fromStdString(value));
        if (!format) {
            return "未知的文件类型 unknown file ending: " + value + " (" + knownEndings() + ")";
        }
        request.outputPath = value;
        request.format = *format;
    } else if (option == "--elevation") {
        const std::optional<std::string> elevation = elevationText(value);
        if (!elevation) {
            return "高程不是数 elevation is not a number: " + value;
        }
        request.points.elevation = *elevation;
    } else {  // --prefix
        if (nameProblem(value, 1) == NameProblem::IllegalPrefix) {
            return nameProblemText(NameProblem::IllegalPrefix) +
                   " prefix may hold letters, digits, - _ . only: " + value;
        }
        request.points.prefix = value;
    }
    return std::nullopt;
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
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            request.action = Action::Help;
            return request;
        } else if (arg == "--version") {
            request.action = Action::Version;
            return request;
        } else if (arg == "--step" || arg == "--angle") {
            request.selection.option5 = arg == "--step";
        } else if (takesValue(arg)) {
            // An empty -o name would silently mean standard output.
            if (i + 1 == args.size() || (arg == "-o" && args[i + 1].empty())) {
                return usageError("选项缺少值 missing value for option: " + arg);
            }
            if (const std::optional<std::string> error = applyValue(request, arg, args[++i])) {
                return usageError(*error);
            }
        } else {
            return usageError("未知选项 unknown option: " + arg);
        }
    }
    if (request.fromFile && !texts.empty()) {
        return usageError("--params 与数据不能同时给出 --params and texts given together");
    }
    if (!request.fromFile && texts.size() != 7 && texts.size() != 8) {
        return usageError("应有7或8个数据 expected 7 or 8 texts, got " +
                          std::to_string(texts.size()));
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
        "Options:\n"
        "  --step             按步长计算 points by a fixed length along the long axis\n"
        "  --angle            按角值计算 points by a fixed angle at the centre (default)\n"
        "  --position N       位置N, N = 1..4 (default 1)\n"
        "  --params FILE      参数读取 the eight texts from a .zdy parameter file\n"
        "  -o FILE            保存成果 save the rows, in the format of FILE's ending:\n";
    for (const OutputFormatEntry& entry : kOutputFormats) {
        std::string ending(entry.ending);
        ending.resize(std::max<std::size_t>(ending.size(), 7), ' ');
        text.append("                       ").append(ending).append(entry.summary) += '\n';
    }
    text +=
        "  --elevation H      坡脚高程 toe elevation H of the points (default 0.000)\n"
        "  --prefix TEXT      点名前缀 point names TEXT1, TEXT2, ...: letters, digits, - _ .,\n"
        "                     16 characters at most with the number\n"
        "  --                 其后都是数据 all that follows are texts\n"
        "  -h, --help         show this help and exit\n"
        "      --version      show the version and exit\n"
        "\n"
        "Without -o the rows go to standard output, one per line. --elevation and --prefix\n"
        "apply to the point files (.dat .gsi .csv .xml .dxf); .txt, .xls and .xlsx hold the\n"
        "list's rows. A refused run writes nothing.\n"
        "\n"
        "Exit status:\n"
        "  0  成果 rows written (a note on points left out may go to standard error)\n"
        "  1  拒绝计算 the run was refused with the window's message\n"
        "  2  用法或文件错误 usage error, unreadable parameter file, or failed save\n";
    return text;
}

}  // namespace korvel::cli
