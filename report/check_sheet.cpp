#include "report/check_sheet.h"

#include <QPainter>

#include "report/sheet_blocks.h"
#include "report/sheet_layout.h"
#include "report/sheet_pdf.h"

namespace korvel {
namespace {

// The check sheet's frame: the stake-out sheet's header without its station, and the
// supervisor signing beside the three who staked and checked.
SheetFrame checkSheetFrame(const StakeSheet& sheet) {
    return {QStringLiteral("锥坡放样复核记录表"),
            sheet.header,
            std::nullopt,
            std::nullopt,
            {QStringLiteral("测量："), QStringLiteral("记录："), QStringLiteral("复核："),
             QStringLiteral("监理：")}};
}

}  // namespace

// Six coordinate columns of 62 points hold "38512345.678" at 9 points; the offsets are short.
std::vector<TableColumn> checkColumns() {
    // Kept for the program's life: a column holds its caption's characters, not a copy.
    static const CheckFields captions = checkCaptions();
    constexpr double kWidths[kCheckColumns] = {62, 62, 62, 62, 62, 46, 46, 46, 62};
    std::vector<TableColumn> columns;
    for (std::size_t c = 0; c < kCheckColumns; ++c) {
        const Align align = c == 0                   ? Align::Left
                            : checkColumnIsNumber(c) ? Align::Right
                                                     : Align::Centre;
        columns.push_back({captions[c].data(), kWidths[c], align});
    }
    return columns;
}

// A row beyond the tolerance must catch the eye on a black-and-white copy too: the marker
// and the bold type do that, the grey ground and the red only help.
TableRow checkTableRow(const StakeCheck& check, const CheckRow& row) {
    TableRow printed{{}, RowLook::Plain};
    for (const std::string& field : checkFields(check, row)) {
        printed.cells.push_back(QString::fromStdString(field));
    }
    if (row.verdict == Verdict::Beyond) {
        printed.cells.back().prepend(QStringLiteral("▲ "));
        printed.look = RowLook::Marked;
    } else if (row.verdict == Verdict::NotMeasured) {
        printed.look = RowLook::Faint;
    }
    return printed;
}

// The header is checked as the stake-out sheet's; the station is not printed, so not asked.
SheetPdf renderCheckSheet(const CheckSheet& sheet) {
    StakeSheet header;
    header.header = sheet.sheet.header;
    if (Problem problem = checkStakeSheet(header)) {
        return {{}, std::move(problem)};
    }
    const StakeCheck& check = sheet.report.check;
    const auto printedRows = [&check](std::size_t first, std::size_t count) {
        std::vector<TableRow> printed;
        printed.reserve(count);
        for (std::size_t k = first; k < first + count; ++k) {
            printed.push_back(checkTableRow(check, check.rows[k]));
        }
        return printed;
    };
    const SheetBlock closing =
        conclusionBlock(toleranceLine(sheet.report.tolerance), sheet.report.summary);
    const PagedSheet paged{.frame = checkSheetFrame(sheet.sheet),
                           .opening = openingBlocks(sheet.sheet),
                           .columns = checkColumns(),
                           .rowCount = check.rows.size(),
                           .rows = printedRows,
                           .closing = {closing}};
    return renderPagedSheet(paged);
}

Problem saveCheckSheet(const QString& path, const CheckSheet& sheet) {
    return savePdf(path, renderCheckSheet(sheet));
}

}  // namespace korvel
