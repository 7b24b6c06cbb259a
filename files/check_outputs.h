// The outputs of the stake-out check (放样复核): the check as aligned text, as a .csv for
// Excel and as a workbook, each from the one CheckReport. The signed check sheet (PDF) is
// painted by report/check_sheet.h from the same report. QtCore only.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/stake_check.h"
#include "core/stake_row.h"
#include "files/measured/measured_points.h"
#include "files/output_formats.h"
#include "files/problem.h"
#include "files/text_table.h"

namespace korvel {

// A finished check as every output shows it.
struct CheckReport {
    StakeCheck check;     // core/stake_check.h
    std::string summary;  // checkSummary(...), the line under the table
    Tolerance tolerance;  // 允许偏差
};

// The column captions, in order: "点名", "设计X", "设计Y", "实测X", "实测Y", "ΔX(mm)",
// "ΔY(mm)", "偏差(mm)", "结果" (Δ is U+0394).
CheckFields checkCaptions();

// Whether column `column` (from 0) holds numbers: the coordinates and offsets, 1 to 7; the
// name (0) and the verdict (8) are words.
//   0 -> false   1 -> true   7 -> true   8 -> false
bool checkColumnIsNumber(std::size_t column);

// The check as aligned text: a header line, one line per row, and the summary line, each
// ended by `lineEnd`; columns two blanks apart and padded with blanks by display width, the
// name and the verdict at the left of their column, the numbers (and their captions) at the
// right, empty fields as blanks, no blanks at a line's end. UTF-8.
//   one row {"P1", "5000.000", ...}, "\n" ->
//   "点名     设计X     设计Y  ...  结果\n" "P1    5000.000  3000.000  ...  合格\n" "共1点：...\n"
std::string checkText(const CheckReport& report, std::string_view lineEnd);

// The text checkText gives, handed to `write` in pieces one after another (each piece is
// gone when `write` returns), so that a long check is never whole in memory.
void writeCheckText(const CheckReport& report, std::string_view lineEnd,
                    const std::function<void(std::string_view)>& write);

// The .csv: UTF-8 with a byte-order mark (so Excel on a Chinese Windows opens it right),
// CR LF, the header line with the captions, then one line per row with empty fields where
// nothing applies; no summary line. Fields quoted only when they hold a comma, a quote or a
// line end, a quote inside doubled (RFC 4180).
//   "\xEF\xBB\xBF点名,设计X,...,结果\r\nP1,5000.000,...,合格\r\nP9,,,,,,,,未测\r\n"
std::string encodeCheckCsv(const CheckReport& report);

// The .txt file: the UTF-8 byte-order mark and checkText with CR LF.
std::string encodeCheckTextFile(const CheckReport& report);

// The tolerance line under every table of the check: "允许偏差：50 mm".
std::string toleranceLine(Tolerance tolerance);

// The worksheet's name in the check's workbook.
inline const QString kCheckSheetName = QStringLiteral("复核");

// The most rows of a check a workbook holds: the worksheet's 65536 less the captions, the
// empty row, the tolerance and the summary.
inline constexpr std::size_t kMaxCheckWorkbookRows = kMaxSheetRows - 4;

// The workbook (.xlsx when the path ends so, else .xls, as files/workbook/workbook.h
// decides): one worksheet "复核" with the captions in row 1, one row per check row
// (coordinates and offsets as numbers, names and verdicts as text, empty cells where nothing
// applies; a "—" offset stays text), then an empty row, "允许偏差：N mm" and the summary
// line, each in column A. Saved through the atomic save.
//   a check of 7 rows -> rows 1 to 8 the table, 9 empty, 10 the tolerance, 11 the summary
// Refused, nothing written, the problem naming the file: more than kMaxCheckWorkbookRows
// rows (CheckTooLongForWorkbook, the count as subject), CannotBuildWorkbook, or the save's
// problem.
Problem saveCheckWorkbook(const QString& path, const CheckReport& report);

// The check of the measured points against the design rows named `prefix` + number, with its
// summary: the one way from a read file to a report, for korvel-calc and the window alike.
// The rows and the points are kept in the report, the rows' texts made from them as each
// output writes them.
CheckReport makeCheckReport(std::vector<StakeRow> rows, std::string_view prefix,
                            MeasuredPoints measured, Tolerance tolerance);

// Writes the check in `format` to `path`: ResultsText as encodeCheckTextFile, PointCsv as
// encodeCheckCsv, Workbook as saveCheckWorkbook; UnknownEnding for any other format (the
// check sheet is painted by report/check_sheet.h). The problem names the file.
Problem saveCheckOutput(const QString& path, OutputFormat format, const CheckReport& report);

}  // namespace korvel
