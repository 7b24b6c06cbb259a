#include "files/face_outputs.h"

#include <QDir>

#include "files/check_outputs.h"
#include "files/save.h"

namespace korvel {

FaceReport makeFaceReport(const SlopeBody& body, std::vector<SlopeShot> shots, int linesPassedOver,
                          Tolerance tolerance) {
    FaceReport report;
    report.check = checkFace(body, std::move(shots), tolerance);
    report.summary = faceSummary(report.check, linesPassedOver);
    return report;
}

FaceRequest makeFaceRequest(const ListedRun& run, const TypedPointOptions& points,
                            const TypedHeights& heights, MeasuredShots shots, Tolerance tolerance) {
    FaceRequest request;
    const CheckedPointOptions checked = checkPointOptions(points);
    if ((request.problem = checked.problem)) {
        return request;
    }
    HeightRequest raised = makeHeights(heights, checked.options, run, false);
    if ((request.problem = std::move(raised.problem))) {
        return request;
    }
    if (!raised.heights) {
        request.problem = problemAbout(ProblemCode::HeightOptionWithoutTop, "--face");
        return request;
    }
    request.report = makeFaceReport(raised.heights->body, std::move(shots.shots),
                                    shots.linesPassedOver, tolerance);
    return request;
}

TextTable faceTable(const FaceReport& report) {
    const auto captions = faceCaptions();
    TextTable table;
    table.captions.assign(captions.begin(), captions.end());
    for (std::size_t c = 0; c < kFaceColumns; ++c) {
        table.numbers.push_back(faceColumnIsNumber(c));
    }
    table.rows = report.check.rows.size();
    table.texts = [&report](std::size_t k) {
        const auto fields = faceFields(report.check, report.check.rows[k]);
        return std::vector<std::string>(fields.begin(), fields.end());
    };
    return table;
}

void writeFaceText(const FaceReport& report, std::string_view lineEnd,
                   const std::function<void(std::string_view)>& write) {
    writeAlignedTable(faceTable(report), {report.summary}, lineEnd, write);
}

std::string faceText(const FaceReport& report, std::string_view lineEnd) {
    std::string text;
    writeFaceText(report, lineEnd, [&text](std::string_view piece) { text.append(piece); });
    return text;
}

std::string encodeFaceTextFile(const FaceReport& report) {
    return encodeTableTextFile(faceTable(report), {report.summary});
}

std::string encodeFaceCsv(const FaceReport& report) {
    return encodeTableCsv(faceTable(report));
}

Problem saveFaceWorkbook(const QString& path, const FaceReport& report) {
    return saveTableWorkbook(path, faceTable(report),
                             {toleranceLine(report.check.tolerance), report.summary},
                             kFaceSheetName);
}

Problem saveFaceOutput(const QString& path, OutputFormat format, const FaceReport& report) {
    switch (format) {
        case OutputFormat::ResultsText:
            return saveFileAtomically(path, encodeFaceTextFile(report));
        case OutputFormat::PointCsv:
            return saveFileAtomically(path, encodeFaceCsv(report));
        case OutputFormat::Workbook:
            return saveFaceWorkbook(path, report);
        default:
            return problemAbout(ProblemCode::UnknownEnding,
                                QDir::toNativeSeparators(path).toStdString());
    }
}

}  // namespace korvel
