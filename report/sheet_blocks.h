// The first page's blocks of the sheets, under the header: the run's parameters as typed, the
// drawing of the slope and, with a top, the slope's heights and its quantities. The stake-out
// sheet and the check sheet stack them the same way.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/slope_quantities.h"
#include "files/points/slope_heights.h"
#include "report/sheet_pdf.h"
#include "report/stake_sheet.h"

namespace korvel {

// The eight box captions in screen order with the index of their text in Text1..Text8, as
// the window shows them; the step's caption follows the mode.
//   stepMode -> ..., {"固定长度", 6}, ...    angle mode -> ..., {"固定角度", 6}, ...
struct BoxCaption {
    const char* caption;
    int text;
};
std::array<BoxCaption, 8> boxCaptions(bool stepMode);

// The parameters as typed, two captions and texts to a line: the eight boxes, 计算方式,
// 放样位置, 坡脚高程 and 点名前缀.
SheetBlock parametersBlock(const StakeSheet& sheet);

// The drawing of the slope, as wide as the page's text.
SheetBlock drawingBlock(const StakeSheet& sheet);

// One line "锥坡高程": 坡顶高程, 坡高 and 坡率 "1:m / 1:n", 3 decimals each.
SheetBlock heightsBlock(const SlopeInHeight& heights);

// One line "工程量": 锥坡填方, 坡面面积, 坡脚线长 and 坡顶线长, each value with its unit.
SheetBlock quantitiesBlock(const SlopeQuantities& quantities);

// The height of the block that closes a check's sheet: the tolerance and the summary a line
// each, and the two conclusion boxes side by side under them.
inline constexpr double kConclusionBlockHeight = 104.0;

// The block that closes a check's sheet: `toleranceLine` ("允许偏差：50 mm") and `summary` a
// line each, then the boxes "自检结论：" and "监理意见：" to write in.
SheetBlock conclusionBlock(const std::string& toleranceLine, const std::string& summary);

// The first page's blocks of `sheet`, top down: the parameters, the drawing, and with heights
// their block and the quantities. The blocks paint from `sheet`, which must outlive them.
std::vector<SheetBlock> openingBlocks(const StakeSheet& sheet);

}  // namespace korvel
