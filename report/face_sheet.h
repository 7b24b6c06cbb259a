// The face check's sheet (锥坡坡面高程检测表): the stake-out sheet's header, parameters (with
// the slope's heights) and drawing, the shots plotted on it by result, and the check's table,
// closed by the tolerance, the summary and boxes for the surveyor's and the supervisor's
// conclusions, painted onto A4 pages of a PDF that the site signs and keeps.
//
// Painting needs a QGuiApplication, as for report/stake_sheet.h.
#pragma once

#include <QString>
#include <vector>

#include "files/face_outputs.h"
#include "files/problem.h"
#include "report/sheet_data.h"
#include "report/sheet_table.h"
#include "report/stake_sheet.h"

namespace korvel {

// The face check's sheet: the stake-out sheet of the run, with its heights (header, texts,
// mode, position, elevations, slopes and drawing; its rows and station are not printed), and
// the check.
struct FaceSheet {
    StakeSheet sheet;
    FaceReport report;
};

// The table's columns, 点名, X, Y, 实测H, 设计H, ΔH(mm) and 结果 filling the printed width: the
// name at the left, the numbers at the right, the verdict centred.
std::vector<TableColumn> faceColumns();

// Row `row` of `check` as the sheet prints it: faceFields, with "▲ " before 偏高 and "▼ "
// before 偏低 and those rows marked (bold, grey ground, red); 坡脚外 and 坡面外 faint.
//   {"S2", ..., "-62.0", 偏低} -> {{"S2", ..., "-62.0", "▼ 偏低"}, Marked}
TableRow faceTableRow(const FaceCheck& check, const FaceRow& row);

// The shots of `report` added to `drawing` as points marked by their result (ShotWithin,
// ShotHigh, ShotLow, ShotOff), those within the drawing's box; the box is not widened, so that a
// shot far off does not shrink the slope.
void plotShots(Drawing& drawing, const FaceReport& report);

// The sheet as PDF bytes, as renderCheckSheet makes the check sheet: on every page the title
// "锥坡坡面高程检测表", the header without station and backsight, the signature line
// 测量：记录：复核：监理： and "第 k 页 共 n 页"; on the first the parameters, the drawing with
// the shots and the slope's heights; the table over as many pages as it needs, its header row
// on each; after it "允许偏差：N mm", the summary and the boxes "自检结论：" and "监理意见：".
// Refused, `pdf` empty: a header text over 60 characters (HeaderTextTooLong), NoSheetFont,
// CannotMakePdf.
SheetPdf renderFaceSheet(const FaceSheet& sheet);

// Paints and saves through the atomic save; the problem names the file.
Problem saveFaceSheet(const QString& path, const FaceSheet& sheet);

}  // namespace korvel
