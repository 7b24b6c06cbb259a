// "放样点设置": the small form the point export asks before it writes, for the toe elevation
// and the point name prefix.
#pragma once

#include <optional>

#include "ui/dialog_host.h"

class QWidget;

namespace korvel {

// Shows the form modally over `parent`, filled with `current`: "坡脚高程" and "点名前缀", Tab
// between them, Enter accepts ("确定" is the default button), Esc cancels. The texts as
// typed when accepted, nothing when cancelled.
std::optional<PointSettings> runPointSettingsDialog(QWidget* parent, const PointSettings& current);

}  // namespace korvel
