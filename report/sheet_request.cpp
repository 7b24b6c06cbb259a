#include "report/sheet_request.h"

#include <utility>

#include "files/drawing/slope_drawing.h"
#include "files/output_formats.h"
#include "report/sheet_pdf.h"

namespace korvel {
namespace {

// `text` without the blanks and tabs around it.
std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A station as typed with the blanks around its coordinates taken off.
std::optional<SheetStation> trimmedPlace(const std::optional<SheetStation>& place) {
    if (!place) {
        return std::nullopt;
    }
    return SheetStation{place->name, trimmed(place->x), trimmed(place->y)};
}

// The first selected of Option1 to Option4; 位置1 when none is (a run without a position has
// no rows to print).
SlopePosition firstPosition(const Selection& selection) {
    constexpr SlopePosition kPositions[] = {SlopePosition::Position1, SlopePosition::Position2,
                                            SlopePosition::Position3, SlopePosition::Position4};
    for (std::size_t k = 0; k < selection.position.size(); ++k) {
        if (selection.position[k]) {
            return kPositions[k];
        }
    }
    return SlopePosition::Position1;
}

}  // namespace

SheetRequest makeStakeSheet(const TypedSheet& typed, const std::array<std::string, 8>& texts,
                            const Selection& selection, std::vector<StakeRow> rows,
                            const std::optional<SlopeOutline>& outline) {
    SheetRequest result;
    ExportRequest points =
        makeExportRequest(OutputFormat::StakeSheet, typed.points, std::move(rows), outline);
    if (points.problem) {
        result.problem = std::move(points.problem);
        return result;
    }
    StakeSheet& sheet = result.sheet;
    sheet.header = typed.header;
    sheet.texts = texts;
    sheet.stepMode = selection.option5;
    sheet.position = firstPosition(selection);
    sheet.elevation = points.request.points.elevation;
    sheet.prefix = points.request.points.prefix;
    sheet.station = trimmedPlace(typed.station);
    sheet.backsight = trimmedPlace(typed.backsight);
    if ((result.problem = checkStakeSheet(sheet))) {
        return result;
    }
    SlopeDrawing slope =
        layOutSlope(points.request.rows, sheet.prefix, sheet.elevation, points.request.outline);
    if ((result.problem = std::move(slope.problem))) {
        return result;
    }
    sheet.drawing = std::move(slope.drawing);
    sheet.rows = std::move(points.request.rows);
    return result;
}

Problem saveStakeSheet(const QString& path, const StakeSheet& sheet) {
    return savePdf(path, renderStakeSheet(sheet));
}

}  // namespace korvel
