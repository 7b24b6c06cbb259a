#include "files/output_formats.h"

#include <QFileInfo>
#include <QStringList>

#include "files/points/dxf_drawing.h"
#include "files/points/instrument_formats.h"
#include "files/points/landxml.h"
#include "files/results_text.h"
#include "files/workbook/workbook.h"

namespace korvel {
namespace {

// The list lines as the window's list holds them.
QStringList listLines(const std::vector<std::string>& rows) {
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(rows.size()));
    for (const std::string& row : rows) {
        lines.append(QString::fromStdString(row));
    }
    return lines;
}

}  // namespace

bool isPointFormat(OutputFormat format) {
    return format != OutputFormat::ResultsText && format != OutputFormat::Workbook;
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

PointFileBytes encodePointFile(OutputFormat format, const OutputRequest& request) {
    const NamedPoints named = namePoints(request.rows, request.points.prefix);
    if (!named.error.empty()) {
        return {{}, named.error};
    }
    const std::string& h = request.points.elevation;
    switch (format) {
        case OutputFormat::CassDat:
            return {encodeCassDat(named.points, h), {}};
        case OutputFormat::LeicaGsi: {
            GsiFile gsi = encodeGsi16(named.points, h);
            return {std::move(gsi.bytes), std::move(gsi.error)};
        }
        case OutputFormat::PointCsv:
            return {encodePointCsv(named.points, h), {}};
        case OutputFormat::LandXml: {
            const LandXmlStamp stamp{
                request.written.toString(QStringLiteral("yyyy-MM-dd")).toStdString(),
                request.written.toString(QStringLiteral("HH:mm:ss")).toStdString()};
            return {encodeLandXml(named.points, h, stamp), {}};
        }
        case OutputFormat::Dxf: {
            DxfFile dxf = encodeDxf(named.points, h, request.outline);
            return {std::move(dxf.bytes), std::move(dxf.error)};
        }
        case OutputFormat::ResultsText:
        case OutputFormat::Workbook:
            break;
    }
    return {{}, "不是点文件格式"};
}

SaveOutcome saveOutput(const QString& path, OutputFormat format, const OutputRequest& request) {
    switch (format) {
        case OutputFormat::ResultsText:
            return saveFileAtomically(path, encodeResultsText(listLines(request.rows)));
        case OutputFormat::Workbook:
            return saveWorkbook(path, listLines(request.rows));
        default:
            break;
    }
    const PointFileBytes file = encodePointFile(format, request);
    if (!file.error.empty()) {
        return saveFailure(path, QString::fromStdString(file.error));
    }
    // Written from where it was built: a drawing of the longest list is 8 MB.
    return saveFileAtomically(path, file.bytes);
}

}  // namespace korvel
