// The check sheet (锥坡放样复核记录表): the stake-out sheet's header, parameters and drawing
// with the check of the measured pegs in place of the list of points, closed by the
// tolerance, the summary and boxes for the surveyor's and the supervisor's conclusions,
// painted onto A4 pages of a PDF that the site signs and keeps.
//
// Painting needs a QGuiApplication, as for report/stake_sheet.h.
#pragma once

#include <QString>
#include <vector>

#include "files/check_outputs.h"
#include "files/problem.h"
#include "report/sheet_pdf.h"
#include "report/sheet_table.h"
#include "report/stake_sheet.h"

namespace korvel {

// The check sheet: the stake-out sheet (header, parameters, drawing, as StakeSheet holds
// them) with the check.
struct CheckSheet {
    StakeSheet sheet;  // header, texts, mode, position, elevation, prefix, drawing; its rows,
                       // station and backsight are not printed
    CheckReport report;
};

// The check table's columns, the captions of checkCaptions filling the printed width: the
// name at the left, the numbers at the right, the verdict centred.
std::vector<TableColumn> checkColumns();

// Row `row` of `check` as the sheet prints it: checkFields, with "▲ " before 超限 and the row
// marked (bold, grey ground, red); 未测 faint; 合格 and 无设计点 plain.
//   {"P2", ..., "100.0", Beyond} -> {{"P2", ..., "100.0", "▲ 超限"}, Marked}
//   {"P3", "5002.000", "3002.000", "", ..., NotMeasured}
//       -> {{"P3", "5002.000", "3002.000", "", "", "", "", "", "未测"}, Faint}
TableRow checkTableRow(const StakeCheck& check, const CheckRow& row);

// The check sheet as PDF bytes, as renderStakeSheet makes the stake-out sheet: on every page
// the title "锥坡放样复核记录表", the header without station and backsight, the signature
// line 测量：记录：复核：监理： and "第 k 页 共 n 页"; on the first the parameters and the
// drawing; the check's table over as many pages as it needs, its header row on each; after
// it "允许偏差：N mm", the summary and the boxes "自检结论：" and "监理意见：" (on a page of
// their own when the last page of the table has no room for them).
//   the worked example's check of 8 rows -> one page
// Refused, `pdf` empty: a header text over 60 characters (HeaderTextTooLong, its caption
// the subject), NoSheetFont, CannotMakePdf.
SheetPdf renderCheckSheet(const CheckSheet& sheet);

// Paints and saves through the atomic save; the problem names the file.
Problem saveCheckSheet(const QString& path, const CheckSheet& sheet);

}  // namespace korvel
