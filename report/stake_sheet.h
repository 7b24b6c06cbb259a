// The stake-out sheet (锥坡放样记录表): the run's parameters, the drawing of the slope and the
// list of points, with the polar data from a station when one is given, painted onto A4
// pages of a PDF that the site signs and keeps.
//
// Painting needs a QGuiApplication (QPdfWriter and the font database do); a command-line
// caller starts one, on Qt's offscreen platform when there is no display, before calling
// renderStakeSheet.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/geometry.h"
#include "core/stake_row.h"
#include "files/drawing/drawing.h"
#include "files/points/point_options.h"
#include "files/points/slope_heights.h"
#include "files/problem.h"
#include "report/sheet_data.h"

namespace korvel {

// Everything the sheet prints.
struct StakeSheet {
    SheetHeader header;
    std::array<std::string, 8> texts;  // Text1..Text8 as typed (a, b, β, X, Y, azimuth, step, D)
    bool stepMode = true;              // "按步长计算"; otherwise "按角值计算"
    SlopePosition position = SlopePosition::Position1;
    std::string elevation = "0.000";  // 坡脚高程, as the point files write it
    std::string prefix;               // 点名前缀
    std::vector<StakeRow> rows;       // the list's rows, in order
    std::optional<SheetStation> station;
    std::optional<SheetStation> backsight;
    Drawing drawing;  // the slope as the DXF file draws it
    // The slope in height, when a top was given: its block and its quantities on the first
    // page and, when layered, its lines' points under the toe's in the table.
    std::optional<SlopeInHeight> heights;
};

// The points the sheet's table lists, in order: the toe's rows named with the prefix at the
// toe's elevation, then each line of a layered slope.
std::vector<NamedPoints> sheetLines(const StakeSheet& sheet);

// What keeps the sheet from being printed, checked before anything is painted: a header text,
// station or backsight name or coordinate over 60 characters (HeaderTextTooLong, its caption
// the subject); then the station and backsight as checkStations (core/polar.h) sees them
// (StationWithoutBacksight, BacksightWithoutStation, StationNotNumber and BacksightNotNumber
// with the text typed, StationSameAsBacksight).
//   header.part "K12+345 左幅"                       -> None
//   header.project of 61 characters                  -> {HeaderTextTooLong, "工程名称"}
//   station {"S1","3000","5000"}, no backsight       -> {StationWithoutBacksight}
//   station {"S1","3000","5000"}, backsight {"B1","3000.0","5000"} -> {StationSameAsBacksight}
Problem checkStakeSheet(const StakeSheet& sheet);

// The sheet as PDF bytes: A4 portrait pages, vector throughout, its text in the embedded
// sheet font (report/sheet_font.h). Every page has the title, the header and the signature
// line with "第 k 页 共 n 页"; the first page the parameters as typed and the drawing, and with
// heights the block 锥坡高程 (坡顶高程, 坡高, 坡率 1:m / 1:n) and 工程量 (the four quantities);
// the table of points (sheetLines) runs over as many pages as it needs, its header row on
// each. With a station and backsight the table gains 方位角, 水平角 and 水平距离(m).
//   the worked example's 7 rows -> one page     32767 rows -> about 750 pages
// Refused with checkStakeSheet's problem, NoSheetFont when the font cannot be loaded, or
// CannotMakePdf; `pdf` is then empty.
SheetPdf renderStakeSheet(const StakeSheet& sheet);

}  // namespace korvel
