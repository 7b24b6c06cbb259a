#include "arguments.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

#include "core/decimal.h"

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

// The elevation of the points when the whole text is a finite decimal number
// ("12.5", "-3", "+1e2"); anything else is refused rather than read as 0.
std::optional<double> readElevation(std::string_view text) {
    if (text.size() > 1 && text[0] == '+' && text[1] != '-') {
        text.remove_prefix(1);
    }
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// Whether `path` ends in `ending` (lower case) in any letter case.
bool endsWithNoCase(std::string_view path, std::string_view ending) {
    return path.size() >= ending.size() &&
           std::equal(ending.begin(), ending.end(), path.end() - ending.size(), [](char e, char c) {
               return e == (c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
           });
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
        if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            request.action = Action::Help;
            return request;
        } else if (arg == "--version") {
            request.action = Action::Version;
            return request;
        } else if (arg == "--step" || arg == "--angle") {
            request.selection.option5 = arg == "--step";
        } else if (arg == "--position" || arg == "--params" || arg == "-o" ||
                   arg == "--elevation") {
            // An empty -o name would silently mean standard output.
            if (i + 1 == args.size() || (arg == "-o" && args[i + 1].empty())) {
                return usageError("选项缺少值 missing value for option: " + arg);
            }
            const std::string& value = args[++i];
            if (arg == "--position") {
                if (value.size() != 1 || value[0] < '1' || value[0] > '4') {
                    return usageError("位置应为1到4 position must be 1 to 4: " + value);
                }
                request.selection.position = {};
                request.selection.position[static_cast<std::size_t>(value[0] - '1')] = true;
            } else if (arg == "--params") {
                request.fromFile = true;
                request.paramsPath = value;
            } else if (arg == "-o") {
                request.outputPath = value;
            } else {
                const std::optional<double> elevation = readElevation(value);
                if (!elevation) {
                    return usageError("高程不是数 elevation is not a number: " + value);
                }
                request.elevation = formatFixed(*elevation, 3);
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

// The ending decides, as the window's save dialogs offer .txt and .xls.
OutputKind outputKind(std::string_view path) {
    if (path.empty()) {
        return OutputKind::StandardOutput;
    }
    if (endsWithNoCase(path, ".xls") || endsWithNoCase(path, ".xlsx")) {
        return OutputKind::Workbook;
    }
    return endsWithNoCase(path, ".dat") ? OutputKind::PointFile : OutputKind::Text;
}

}  // namespace korvel::cli
