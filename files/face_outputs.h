// The outputs of the face check (坡面检测): the check as aligned text, as a .csv for Excel and
// as a workbook, each from the one FaceReport, through the tables of files/text_table.h. The
// signed sheet (PDF) is painted by report/face_sheet.h from the same report. QtCore only.
#pragma once

#include <QString>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/face_check.h"
#include "core/run.h"
#include "files/measured/measured_points.h"
#include "files/output_formats.h"
#include "files/points/slope_heights.h"
#include "files/problem.h"
#include "files/text_table.h"

namespace korvel {

// A finished face check as every output shows it.
struct FaceReport {
    FaceCheck check;      // core/face_check.h, with its tolerance
    std::string summary;  // faceSummary(...), the line under the table
};

// The check of `shots` (every point of a measured file, in its order, and the file's lines
// passed over) against the slope `body`, with its summary: the one way from a read file to a
// report, for korvel-calc and the window alike.
FaceReport makeFaceReport(const SlopeBody& body, std::vector<SlopeShot> shots, int linesPassedOver,
                          Tolerance tolerance);

// A face check ready to write, or why there is none.
struct FaceRequest {
    FaceReport report;
    Problem problem;
};

// The one way from a run, what was typed and a read file to a face check, for korvel-calc and
// the window alike: the elevation and prefix checked as for the point files, the slope raised as
// makeHeights raises it (its problems, or HeightOptionWithoutTop "--face" without a top), then
// the shots checked.
FaceRequest makeFaceRequest(const ListedRun& run, const TypedPointOptions& points,
                            const TypedHeights& heights, MeasuredShots shots, Tolerance tolerance);

// The check as a table: the captions 点名, X, Y, 实测H, 设计H, ΔH(mm), 结果 and a row per shot.
TextTable faceTable(const FaceReport& report);

// The check as aligned text, handed to `write` in pieces: the table, then the summary.
//   "点名         X         Y     实测H     设计H  ΔH(mm)  结果\n" ... "共3点：...\n"
void writeFaceText(const FaceReport& report, std::string_view lineEnd,
                   const std::function<void(std::string_view)>& write);

// The same as one text.
std::string faceText(const FaceReport& report, std::string_view lineEnd);

// The .txt file: the UTF-8 byte-order mark and faceText with CR LF.
std::string encodeFaceTextFile(const FaceReport& report);

// The .csv: UTF-8 with a byte-order mark, CR LF, the captions' line, then a line per row with
// empty fields where nothing applies; no summary line.
std::string encodeFaceCsv(const FaceReport& report);

// The worksheet's name in the face check's workbook.
inline const QString kFaceSheetName = QStringLiteral("坡面检测");

// The workbook (.xlsx when the path ends so, else .xls): one worksheet "坡面检测" with the
// captions in row 1, a row per shot (coordinates and heights as numbers), then an empty row,
// "允许偏差：N mm" and the summary, each in column A. Saved through the atomic save. Refused,
// nothing written: more rows than a worksheet holds (CheckTooLongForWorkbook, the count as
// subject), CannotBuildWorkbook, or the save's problem.
Problem saveFaceWorkbook(const QString& path, const FaceReport& report);

// Writes the check in `format` to `path`: ResultsText as encodeFaceTextFile, PointCsv as
// encodeFaceCsv, Workbook as saveFaceWorkbook; UnknownEnding for any other format (the sheet is
// painted by report/face_sheet.h). The problem names the file.
Problem saveFaceOutput(const QString& path, OutputFormat format, const FaceReport& report);

}  // namespace korvel
