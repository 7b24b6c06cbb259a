// The parts of a sheet page around the table: the title, the header and the foot on every
// page, and the parameters on the first.
#pragma once

#include <QFont>
#include <QString>
#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "report/stake_sheet.h"

class QPainter;

namespace korvel {

// The eight box captions in screen order with the index of their text in Text1..Text8, as
// the window shows them; the step's caption follows the mode.
//   stepMode -> ..., {"固定长度", 6}, ...    angle mode -> ..., {"固定角度", 6}, ...
struct BoxCaption {
    const char* caption;
    int text;
};
std::array<BoxCaption, 8> boxCaptions(bool stepMode);

// What every page of a sheet carries around its content: the title, the header (with the
// station and backsight when both are given) and the captions of the signature line.
struct SheetFrame {
    QString title;
    SheetHeader header;
    std::optional<SheetStation> station;
    std::optional<SheetStation> backsight;
    std::vector<QString> signatures;
};

// The stake-out sheet's frame: "锥坡放样记录表", its header, station and backsight, and the
// signatures 测量：, 记录：, 复核：.
SheetFrame stakeSheetFrame(const StakeSheet& sheet);

// Paints the title, the header lines (工程名称, 桩号及部位, 仪器型号及编号 and 日期, and 测站
// and 后视 when the frame has both), the signature line (the captions side by side, each
// with a line to sign on) and "第 k 页 共 n 页" for page `page` (from 1) of `pages`.
void paintPageFrame(QPainter& painter, const QFont& font, const SheetFrame& frame, std::size_t page,
                    std::size_t pages);

// Paints the first page's own blocks under the header (three lines high, four with a
// station): the parameters and the slope's drawing.
void paintFirstPageBlocks(QPainter& painter, const QFont& font, const StakeSheet& sheet,
                          bool withStation);

// Paints the parameters as typed, from `top` down: the eight captions and texts, 计算方式,
// 放样位置, 坡脚高程 and 点名前缀.
void paintParameters(QPainter& painter, const QFont& font, const StakeSheet& sheet, double top);

}  // namespace korvel
