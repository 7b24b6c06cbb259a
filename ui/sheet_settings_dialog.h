// "放样记录表": the form the stake-out sheet asks before it is saved, for the header, the toe
// elevation and name prefix shared with the point export, and the station and backsight.
#pragma once

#include <optional>

#include "ui/dialog_host.h"

class QWidget;

namespace korvel {

// Shows the form modally over `parent`, filled with `current`. Tab runs 工程名称, 桩号及部位,
// 仪器型号及编号, 坡脚高程, 点名前缀, then the station's name, X and Y and the backsight's;
// Enter accepts ("确定" is the default button), Esc cancels. The texts as typed when
// accepted, nothing when cancelled.
std::optional<SheetAsk> runSheetSettingsDialog(QWidget* parent, const SheetAsk& current);

}  // namespace korvel
