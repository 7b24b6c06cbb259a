// The parts of a sheet page around the table: the title, the header and the foot on every
// page, and the parameters on the first.
#pragma once

#include <QFont>
#include <array>
#include <cstddef>

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

// Paints the title "锥坡放样记录表", the header lines (工程名称, 桩号及部位, 仪器型号及编号
// and 日期, and 测站 and 后视 when the sheet has them), the signature line (测量：记录：复核：)
// and "第 k 页 共 n 页" for page `page` (from 1) of `pages`.
void paintPageFrame(QPainter& painter, const QFont& font, const StakeSheet& sheet, std::size_t page,
                    std::size_t pages);

// Paints the parameters as typed, from `top` down: the eight captions and texts, 计算方式,
// 放样位置, 坡脚高程 and 点名前缀.
void paintParameters(QPainter& painter, const QFont& font, const StakeSheet& sheet, double top);

}  // namespace korvel
