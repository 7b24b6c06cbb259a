#include "files/output_formats.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include "files/drawing/dxf_r12.h"
#include "files/drawing/slope_drawing.h"
#include "files/points/instrument_formats.h"
#include "files/points/landxml.h"
#include "files/results_text.h"
#include "files/save.h"
#include "files/workbook/workbook.h"

namespace korvel {
namespace {

// The rows as the lines the results text and the workbook take, as the window's list holds
// them.
QStringList resultListLines(const std::vector<StakeRow>& rows) {
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(rows.size()));
    for (const StakeRow& row : rows) {
        lines.append(QString::fromStdString(stakeRowLine(row)));
    }
    return lines;
}

}  // namespace

bool isPointFormat(OutputFormat format) {
    return format != OutputFormat::ResultsText && format != OutputFormat::Workbook &&
           format != OutputFormat::StakeSheet;
}

bool writesCheck(OutputFormat format) {
    for (const OutputFormatEntry& entry : kOutputFormats) {
        if (entry.format == format && entry.check) {
            return true;
        }
    }
    return false;
}

bool namesPoints(OutputFormat format) {
    return isPointFormat(format) || format == OutputFormat::StakeSheet;
}

bool holdsSurface(OutputFormat format) {
    return format == OutputFormat::LandXml || format == OutputFormat::Dxf;
}

std::vector<NamedPoints> pointLines(const OutputRequest& request) {
    std::vector<NamedPoints> lines = {
        {request.points.prefix, request.points.elevation, request.rows}};
    if (request.heights && request.heights->layered) {
        for (const PointLine& line : request.heights->lines) {
            lines.push_back(namedPoints(line));
        }
    }
    return lines;
}

// The ending is what follows the last dot of the file's own name, unless that dot starts it.
std::optional<OutputFormat> outputFormatFor(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0) {
        return OutputFormat::ResultsText;
    }
    const QString ending = name.mid(dot).toLower();
    for (const OutputFormatEntry& entry : kOutputFormats) {
        if (ending == QLatin1String(entry.ending.data(), entry.ending.size())) {
            return entry.format;
        }
    }
    return std::nullopt;
}

std::string knownEndings() {
    std::string endings;
    for (const OutputFormatEntry& entry : kOutputFormats) {
        endings.append(endings.empty() ? "" : " ").append(entry.ending);
    }
    return endings;
}

ExportRequest makeExportRequest(OutputFormat format, const TypedPointOptions& typed,
                                const TypedHeights& heights, ListedRun run) {
    ExportRequest result;
    const CheckedPointOptions checked = checkPointOptions(typed);
    result.problem = checked.problem;
    if (!result.problem && namesPoints(format)) {
        result.problem = nameLengthProblem(checked.options.prefix, run.rows);
    }
    if (!result.problem && !namesPoints(format) && layered(heights)) {
        result.problem = problemAbout(ProblemCode::LayersInListRows);
    }
    if (result.problem) {
        return result;
    }
    HeightRequest raised = makeHeights(heights, checked.options, run, holdsSurface(format));
    if ((result.problem = std::move(raised.problem))) {
        return result;
    }
    result.request = {std::move(run.rows), checked.options, run.outline,
                      QDateTime::currentDateTime(), std::move(raised.heights)};
    return result;
}

EncodedFile encodePointFile(OutputFormat format, const OutputRequest& request) {
    const std::vector<NamedPoints> lines = pointLines(request);
    if (const Problem names = nameLengthProblem(lines)) {
        return {{}, names};
    }
    switch (format) {
        case OutputFormat::CassDat:
            return {encodeCassDat(lines), {}};
        case OutputFormat::LeicaGsi:
            return encodeGsi16(lines);
        case OutputFormat::PointCsv:
            return {encodePointCsv(lines), {}};
        case OutputFormat::LandXml: {
            const LandXmlStamp stamp{
                request.written.toString(QStringLiteral("yyyy-MM-dd")).toStdString(),
                request.written.toString(QStringLiteral("HH:mm:ss")).toStdString()};
            const SlopeSurface* surface = request.heights ? &request.heights->surface : nullptr;
            return {encodeLandXml(lines, surface, stamp), {}};
        }
        case OutputFormat::Dxf: {
            const SlopeDrawing slope =
                layOutSlope(lines, request.outline, request.heights ? &*request.heights : nullptr);
            if (slope.problem) {
                return {{}, slope.problem};
            }
            return {encodeDxfR12(slope.drawing), {}};
        }
        case OutputFormat::ResultsText:
        case OutputFormat::Workbook:
        case OutputFormat::StakeSheet:
            break;
    }
    return {{}, problemAbout(ProblemCode::NotPointFormat)};
}

Problem saveOutput(const QString& path, OutputFormat format, const OutputRequest& request) {
    switch (format) {
        case OutputFormat::ResultsText:
            return saveFileAtomically(path, encodeResultsText(resultListLines(request.rows)));
        case OutputFormat::Workbook:
            return saveWorkbook(path, resultListLines(request.rows));
        default:
            break;
    }
    EncodedFile file = encodePointFile(format, request);
    if (file.problem) {
        file.problem.file = QDir::toNativeSeparators(path).toStdString();
        return file.problem;
    }
    // Written from where it was built: a drawing of the longest list is 8 MB.
    return saveFileAtomically(path, file.bytes);
}

}  // namespace korvel
