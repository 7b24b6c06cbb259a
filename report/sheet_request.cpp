#include "report/sheet_request.h"

#include <utility>

#include "files/drawing/slope_drawing.h"
#include "files/output_formats.h"
#include "report/sheet_pdf.h"

namespace korvel {
namespace {

// A station as typed with the blanks around its coordinates taken off.
std::optional<SheetStation> trimmedPlace(const std::optional<SheetStation>& place) {
    if (!place) {
        return std::nullopt;
    }
    return SheetStation{place->name, std::string(withoutBlanksAround(place->x)),
                        std::string(withoutBlanksAround(place->y))};
}

}  // namespace

SheetRequest makeStakeSheet(const TypedSheet& typed, ListedRun run) {
    SheetRequest result;
    const Selection selection = run.selection;
    const std::array<std::string, 8> texts = run.texts;
    ExportRequest points =
        makeExportRequest(OutputFormat::StakeSheet, typed.points, typed.heights, std::move(run));
    if (points.problem) {
        result.problem = std::move(points.problem);
        return result;
    }
    StakeSheet& sheet = result.sheet;
    sheet.header = typed.header;
    sheet.texts = texts;
    sheet.stepMode = selection.option5;
    // A run without a position has no rows to print; its sheet names 位置1.
    sheet.position = selectedPosition(selection).value_or(SlopePosition::Position1);
    sheet.elevation = points.request.points.elevation;
    sheet.prefix = points.request.points.prefix;
    sheet.station = trimmedPlace(typed.station);
    sheet.backsight = trimmedPlace(typed.backsight);
    if ((result.problem = checkStakeSheet(sheet))) {
        return result;
    }
    SlopeDrawing slope = layOutSlope(pointLines(points.request), points.request.outline,
                                     points.request.heights ? &*points.request.heights : nullptr);
    if ((result.problem = std::move(slope.problem))) {
        return result;
    }
    sheet.drawing = std::move(slope.drawing);
    sheet.rows = std::move(points.request.rows);
    sheet.heights = std::move(points.request.heights);
    return result;
}

Problem saveStakeSheet(const QString& path, const StakeSheet& sheet) {
    return savePdf(path, renderStakeSheet(sheet));
}

}  // namespace korvel
