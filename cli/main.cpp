// korvel-calc: the calculation run of the "计算" button without the window. It reads the
// eight texts from the command line or a parameter file, and writes the rows to standard
// output or to any file of the table of output formats: the results text, a workbook, or
// a point file for an instrument or a drawing.
#include <QLibrary>
#include <QString>
#include <array>
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "arguments.h"
#include "core/run.h"
#include "files/check_outputs.h"
#include "files/face_outputs.h"
#include "files/measured/measured_points.h"
#include "files/messages.h"
#include "files/output_formats.h"
#include "files/parameter_file.h"
#include "outcome.h"
#include "platform.h"
#include "sheet_module.h"

namespace korvel::cli {
namespace {

// The eight texts of the request, from the command line or its parameter file; nothing,
// with "文件路径错误", the path and the reason reported, when the file cannot be read.
std::optional<std::array<std::string, 8>> loadTexts(const Request& request) {
    if (!request.fromFile) {
        return request.texts;
    }
    const ParameterRead read = readParameterFile(QString::fromStdString(request.paramsPath));
    if (read.problem) {
        reportError(kMessageBadPath.toStdString() + '\n' + problemText(read.problem));
        return std::nullopt;
    }
    std::array<std::string, 8> texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = read.texts[i].toStdString();
    }
    return texts;
}

// The rows, one per LF-ended list line, in one write to standard output.
Problem writeStandardOutput(const std::vector<StakeRow>& rows) {
    std::string text;
    text.reserve(rows.size() * 32);
    for (const StakeRow& row : rows) {
        text.append(stakeRowLine(row)).push_back('\n');
    }
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() ||
        std::fflush(stdout) != 0) {
        return standardOutputProblem();
    }
    return {};
}

// The sheet through its module, loaded now: only a sheet pays for Qt's GUI side. With a
// check, the check sheet.
int writeSheet(const Request& request, const std::array<std::string, 8>& texts, RunResult&& result,
               const CheckReport* check = nullptr, const FaceReport* face = nullptr) {
    QLibrary module(QString::fromStdString(sheetModulePath()));
    const auto write = reinterpret_cast<WriteSheet>(module.resolve(kSheetEntry));
    if (write == nullptr) {
        reportError(kMessageSaveFailed.toStdString() + '\n' +
                    problemText(fileProblem(ProblemCode::NoSheetModule, sheetModulePath(),
                                            module.errorString().toStdString())));
        return kExitError;
    }
    const SheetJob job{&request, &texts, &result, check, face};
    return write(&job);
}

// A check's aligned text on standard output, as `writeText` hands it on piece by piece.
Problem printPieces(
    const std::function<void(const std::function<void(std::string_view)>&)>& writeText) {
    bool written = true;
    writeText([&written](std::string_view piece) {
        written = written && std::fwrite(piece.data(), 1, piece.size(), stdout) == piece.size();
    });
    if (!written || std::fflush(stdout) != 0) {
        return standardOutputProblem();
    }
    return {};
}

// The check of the measured points against the run's: printed, or saved as -o's ending says;
// exit 0 when every point was measured within the tolerance, 3 when not.
int runCheck(const Request& request, const std::array<std::string, 8>& texts, RunResult&& result) {
    MeasuredPoints measured =
        readMeasuredFile(QString::fromStdString(request.measuredPath), request.order);
    if (measured.problem) {
        reportError("korvel-calc: " + problemText(measured.problem));
        return kExitError;
    }
    // The rows go to the check, but for a sheet, whose header is made from the run too.
    const bool sheet = !request.outputPath.empty() && request.format == OutputFormat::StakeSheet;
    std::vector<StakeRow> rows;
    if (sheet) {
        rows = result.rows;
    } else {
        rows = std::move(result.rows);
    }
    const CheckReport report = makeCheckReport(std::move(rows), request.points.prefix,
                                               std::move(measured), request.tolerance);
    int status = kExitRows;
    if (request.outputPath.empty()) {
        status = reportSave(
            printPieces([&report](const auto& write) { writeCheckText(report, "\n", write); }));
    } else if (sheet) {
        status = writeSheet(request, texts, std::move(result), &report);
    } else {
        status = reportSave(
            saveCheckOutput(QString::fromStdString(request.outputPath), request.format, report));
    }
    if (status != kExitRows) {
        return status;
    }
    return report.check.passed ? kExitRows : kExitCheckFailed;
}

// The check of the points shot on the slope against its surface: printed, or saved as -o's
// ending says; exit 0 when every point on the face is within the tolerance, 3 when not.
int runFace(const Request& request, const std::array<std::string, 8>& texts, RunResult&& result) {
    MeasuredShots shots =
        readMeasuredShots(QString::fromStdString(request.facePath), request.order);
    if (shots.problem) {
        reportError("korvel-calc: " + problemText(shots.problem));
        return kExitError;
    }
    const bool sheet = !request.outputPath.empty() && request.format == OutputFormat::StakeSheet;
    const ListedRun run{texts, request.selection, sheet ? result.rows : std::move(result.rows),
                        result.outline};
    const FaceRequest face =
        makeFaceRequest(run, request.points, request.heights, std::move(shots), request.tolerance);
    if (face.problem) {
        return usageError(face.problem);
    }
    int status = kExitRows;
    if (request.outputPath.empty()) {
        status = reportSave(
            printPieces([&face](const auto& write) { writeFaceText(face.report, "\n", write); }));
    } else if (sheet) {
        status = writeSheet(request, texts, std::move(result), nullptr, &face.report);
    } else {
        status = reportSave(saveFaceOutput(QString::fromStdString(request.outputPath),
                                           request.format, face.report));
    }
    if (status != kExitRows) {
        return status;
    }
    return face.report.check.passed ? kExitRows : kExitCheckFailed;
}

// --quantities without -o: the quantities of the run's slope in place of its rows.
int printQuantitiesOnly(const Request& request, const std::array<std::string, 8>& texts,
                        RunResult&& result) {
    const CheckedPointOptions points = checkPointOptions(request.points);
    if (points.problem) {
        return usageError(points.problem);
    }
    const HeightRequest heights =
        makeHeights(request.heights, points.options,
                    {texts, request.selection, std::move(result.rows), result.outline}, false);
    if (heights.problem) {
        return usageError(heights.problem);
    }
    return heights.heights ? printQuantities(heights.heights->quantities) : kExitRows;
}

// One whole command: arguments in, exit status out.
int runCommand(const std::vector<std::string>& args) {
    const Request request = parseArguments(args);
    switch (request.action) {
        case Action::Help: {
            const std::string usage = usageText();
            std::fwrite(usage.data(), 1, usage.size(), stdout);
            return kExitRows;
        }
        case Action::Version:
            std::fputs("korvel-calc " KORVEL_VERSION "\n", stdout);
            return kExitRows;
        case Action::UsageError:
            return usageError(request.error);
        case Action::Calculate:
            break;
    }
    const std::optional<std::array<std::string, 8>> texts = loadTexts(request);
    if (!texts) {
        return kExitError;
    }
    RunResult result = runCalculation(*texts, request.selection);
    switch (result.status) {
        case RunStatus::Refused:
            reportError(result.message);
            return kExitRefused;
        case RunStatus::RowsWithPointsLeftOut:
            reportError(result.message);  // the other points are written
            break;
        case RunStatus::Rows:
            break;
    }
    if (!request.measuredPath.empty()) {
        return runCheck(request, *texts, std::move(result));
    }
    if (!request.facePath.empty()) {
        return runFace(request, *texts, std::move(result));
    }
    if (request.outputPath.empty() && request.quantities) {
        return printQuantitiesOnly(request, *texts, std::move(result));
    }
    if (request.outputPath.empty()) {
        return reportSave(writeStandardOutput(result.rows));
    }
    if (request.format == OutputFormat::StakeSheet) {
        return writeSheet(request, *texts, std::move(result));
    }
    // The same request as the window's export: the typed texts and the names checked there.
    const ExportRequest output =
        makeExportRequest(request.format, request.points, request.heights,
                          {*texts, request.selection, std::move(result.rows), result.outline});
    if (output.problem) {
        return usageError(output.problem);
    }
    const int saved = reportSave(
        saveOutput(QString::fromStdString(request.outputPath), request.format, output.request));
    if (saved != kExitRows || !request.quantities || !output.request.heights) {
        return saved;
    }
    return printQuantities(output.request.heights->quantities);
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
