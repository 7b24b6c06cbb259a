#include "report/face_sheet.h"

#include "core/decimal_text.h"
#include "files/check_outputs.h"
#include "report/sheet_blocks.h"
#include "report/sheet_pdf.h"

namespace korvel {
namespace {

// The face sheet's frame: the stake-out sheet's header without its station, and the
// supervisor signing beside the three who shot and checked the face.
SheetFrame faceSheetFrame(const StakeSheet& sheet) {
    return {QStringLiteral("锥坡坡面高程检测表"),
            sheet.header,
            std::nullopt,
            std::nullopt,
            {QStringLiteral("测量："), QStringLiteral("记录："), QStringLiteral("复核："),
             QStringLiteral("监理：")}};
}

// The drawing's layer of a verdict.
Layer shotLayer(FaceVerdict verdict) {
    switch (verdict) {
        case FaceVerdict::Within:
            return Layer::ShotWithin;
        case FaceVerdict::High:
            return Layer::ShotHigh;
        case FaceVerdict::Low:
            return Layer::ShotLow;
        case FaceVerdict::BeyondToe:
        case FaceVerdict::Outside:
            break;
    }
    return Layer::ShotOff;
}

}  // namespace

// Two coordinate columns of 82 points hold "38512345.678" at 9 points; heights are shorter.
std::vector<TableColumn> faceColumns() {
    const auto captions = faceCaptions();
    constexpr double kWidths[kFaceColumns] = {70, 82, 82, 68, 68, 60, 80};
    std::vector<TableColumn> columns;
    for (std::size_t c = 0; c < kFaceColumns; ++c) {
        const Align align = c == 0                  ? Align::Left
                            : faceColumnIsNumber(c) ? Align::Right
                                                    : Align::Centre;
        columns.push_back({captions[c].data(), kWidths[c], align});
    }
    return columns;
}

// A shot to cut or to fill must catch the eye on a black-and-white copy too: the marker and
// the bold type do that, the grey ground and the red only help.
TableRow faceTableRow(const FaceCheck& check, const FaceRow& row) {
    TableRow printed{{}, RowLook::Plain};
    for (const std::string& field : faceFields(check, row)) {
        printed.cells.push_back(QString::fromStdString(field));
    }
    switch (row.verdict) {
        case FaceVerdict::High:
            printed.cells.back().prepend(QStringLiteral("▲ "));
            printed.look = RowLook::Marked;
            break;
        case FaceVerdict::Low:
            printed.cells.back().prepend(QStringLiteral("▼ "));
            printed.look = RowLook::Marked;
            break;
        case FaceVerdict::BeyondToe:
        case FaceVerdict::Outside:
            printed.look = RowLook::Faint;
            break;
        case FaceVerdict::Within:
            break;
    }
    return printed;
}

void plotShots(Drawing& drawing, const FaceReport& report) {
    for (const FaceRow& row : report.check.rows) {
        const SlopeShot& shot = report.check.shots[row.shot];
        const DrawingPlace at{decimalValue(shot.y), decimalValue(shot.x), shot.y, shot.x, shot.h};
        if (at.east >= drawing.low.east && at.east <= drawing.high.east &&
            at.north >= drawing.low.north && at.north <= drawing.high.north) {
            drawing.entities.emplace_back(DrawingPoint{shotLayer(row.verdict), at});
        }
    }
}

// The header is checked as the stake-out sheet's; the station is not printed, so not asked.
SheetPdf renderFaceSheet(const FaceSheet& sheet) {
    StakeSheet header;
    header.header = sheet.sheet.header;
    if (Problem problem = checkStakeSheet(header)) {
        return {{}, std::move(problem)};
    }
    const FaceCheck& check = sheet.report.check;
    std::vector<SheetBlock> opening = {parametersBlock(sheet.sheet), drawingBlock(sheet.sheet)};
    if (sheet.sheet.heights) {
        opening.push_back(heightsBlock(*sheet.sheet.heights));
    }
    const PagedSheet paged{
        .frame = faceSheetFrame(sheet.sheet),
        .opening = std::move(opening),
        .columns = faceColumns(),
        .rowCount = check.rows.size(),
        .rows =
            [&check](std::size_t first, std::size_t count) {
                std::vector<TableRow> printed;
                printed.reserve(count);
                for (std::size_t k = first; k < first + count; ++k) {
                    printed.push_back(faceTableRow(check, check.rows[k]));
                }
                return printed;
            },
        .closing = {conclusionBlock(toleranceLine(check.tolerance), sheet.report.summary)}};
    return renderPagedSheet(paged);
}

Problem saveFaceSheet(const QString& path, const FaceSheet& sheet) {
    return savePdf(path, renderFaceSheet(sheet));
}

}  // namespace korvel
