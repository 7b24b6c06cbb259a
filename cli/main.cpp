// korvel-calc: the calculation run of the "计算" button without the window. It reads the
// eight texts from the command line or a parameter file, and writes the rows to standard
// output or to a results text file, a workbook or an instrument's point file.
#include <QString>
#include <QStringList>
#include <array>
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <exception>
#include <optional>
#include <string>
#include <string_view>

#include "arguments.h"
#include "core/messages.h"
#include "core/run.h"
#include "files/messages.h"
#include "files/parameter_file.h"
#include "files/results_text.h"
#include "files/save.h"
#include "files/workbook/workbook.h"
#include "platform.h"
#include "point_file.h"

namespace korvel::cli {
namespace {

// Exit statuses: rows produced, run refused by its input checks, usage or file error.
constexpr int kExitRows = 0;
constexpr int kExitRefused = 1;
constexpr int kExitError = 2;

constexpr std::string_view kUsage =
    "korvel-calc: 椭圆锥坡放样坐标 stake-out coordinates of an elliptical cone slope\n"
    "\n"
    "用法 Usage:\n"
    "  korvel-calc [选项 options] A B BETA X Y AZIMUTH STEP [D]\n"
    "  korvel-calc [选项 options] --params FILE.zdy\n"
    "\n"
    "  --step            按步长计算 points by a fixed length along the long axis\n"
    "  --angle           按角值计算 points by a fixed angle at the centre (default)\n"
    "  --position N      位置N, N = 1..4 (default 1)\n"
    "  -o FILE           保存成果 save: .txt text, .xls/.xlsx workbook, .dat points N,,Y,X,H\n"
    "  --elevation H     .dat 点的高程 elevation of the points (default 0.000)\n"
    "  --help, --version\n"
    "  --                其后都是数据 all that follows are texts\n"
    "\n"
    "角度为 D.MMSS (30.1530 = 30°15'30\"); \"\" 为空值 is an empty box; -12.5 is a text.\n"
    "Without -o the rows go to standard output.\n"
    "退出码 Exit status: 0 成果 rows, 1 拒绝计算 run refused, 2 用法或文件错误 usage or file.\n";

// Writes `text` and a line end to standard error.
void reportError(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fputc('\n', stderr);
}

// The eight texts of the request, from the command line or its parameter file; nothing,
// with "文件路径错误", the path and the reason reported, when the file cannot be read.
std::optional<std::array<std::string, 8>> loadTexts(const Request& request) {
    if (!request.fromFile) {
        return request.texts;
    }
    const ParameterRead read = readParameterFile(QString::fromStdString(request.paramsPath));
    if (!read.ok) {
        reportError((read.error + QLatin1Char('\n') + read.reason).toStdString());
        return std::nullopt;
    }
    std::array<std::string, 8> texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = read.texts[i].toStdString();
    }
    return texts;
}

// The result lines as the window's list holds them.
QStringList listLines(const std::vector<std::string>& rows) {
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(rows.size()));
    for (const std::string& row : rows) {
        lines.append(QString::fromStdString(row));
    }
    return lines;
}

// The rows, one per LF-ended line, in one write to standard output.
SaveOutcome writeStandardOutput(const std::vector<std::string>& rows) {
    std::string text;
    text.reserve(rows.size() * 32);
    for (const std::string& row : rows) {
        text.append(row).push_back('\n');
    }
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() ||
        std::fflush(stdout) != 0) {
        return saveFailure(QStringLiteral("stdout"), QString::fromLocal8Bit(std::strerror(errno)));
    }
    return {};
}

// Writes the rows where the request asks, each file through the same atomic save as the
// window's commands.
SaveOutcome writeRows(const Request& request, const std::vector<std::string>& rows) {
    const QString path = QString::fromStdString(request.outputPath);
    switch (outputKind(request.outputPath)) {
        case OutputKind::StandardOutput:
            return writeStandardOutput(rows);
        case OutputKind::Text:
            return saveFileAtomically(path, encodeResultsText(listLines(rows)));
        case OutputKind::Workbook:
            return saveWorkbook(path, listLines(rows));
        case OutputKind::PointFile:
            return saveFileAtomically(
                path, QByteArray::fromStdString(encodePointFile(rows, request.elevation)));
    }
    return {};
}

// True for the messages after which the window's list stays empty: the run was refused.
bool isRefusal(std::string_view message) {
    return message == kMessageEmptyInput || message == kMessageStepNotPositive ||
           message == kMessageTooManyRows;
}

// One whole command: arguments in, exit status out.
int runCommand(const std::vector<std::string>& args) {
    const Request request = parseArguments(args);
    switch (request.action) {
        case Action::Help:
            std::fwrite(kUsage.data(), 1, kUsage.size(), stdout);
            return kExitRows;
        case Action::Version:
            std::fputs("korvel-calc " KORVEL_VERSION "\n", stdout);
            return kExitRows;
        case Action::UsageError:
            reportError("korvel-calc: " + request.error + "\n(korvel-calc --help)");
            return kExitError;
        case Action::Calculate:
            break;
    }
    const std::optional<std::array<std::string, 8>> texts = loadTexts(request);
    if (!texts) {
        return kExitError;
    }
    const RunResult result = runCalculation(*texts, request.selection);
    if (isRefusal(result.message)) {
        reportError(result.message);
        return kExitRefused;
    }
    if (!result.message.empty()) {
        reportError(result.message);  // points left out; the others are written
    }
    const SaveOutcome saved = writeRows(request, result.lines);
    if (!saved.ok) {
        reportError(saveFailureMessage(saved.error).toStdString());
        return kExitError;
    }
    return kExitRows;
}

}  // namespace
}  // namespace korvel::cli

// The system's reasons in the user's language; numbers never go through the locale. The
// console gets its own code page back on every way out.
int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    const korvel::cli::StreamState streams = korvel::cli::prepareStandardStreams();
    int status = korvel::cli::kExitError;
    try {
        status = korvel::cli::runCommand(korvel::cli::utf8Arguments(argc, argv));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "korvel-calc: %s\n", e.what());
    }
    korvel::cli::restoreStandardStreams(streams);
    return status;
}
