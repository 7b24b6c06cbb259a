// "锥坡高程": the slope's top, its slopes and its layers, with the quantities of the list's run
// worked out again as each value is typed.
#pragma once

#include <QString>
#include <optional>

#include "core/run.h"
#include "ui/dialog_host.h"

class QWidget;

namespace korvel {

// Shows the form modally over `parent`, filled with `current`: "坡脚高程", "坡顶高程",
// "长轴坡率 1:m", "短轴坡率 1:n" and "分层厚度", Tab from one to the next, and under them what
// heightSummary says of the values as they stand; Enter accepts ("确定" is the default
// button), Esc cancels. The texts as typed when accepted, nothing when cancelled.
std::optional<HeightAsk> runHeightDialog(QWidget* parent, const HeightAsk& current,
                                         const ListedRun& run);

// What the form shows under its fields: the quantities of `run` a line each and, with layers,
// how many lines and points are staked above the toe; the reason the values are refused; or,
// with no top, that the files hold the toe only.
//   worked example, {"104", "", "", ""}, elevation "100" ->
//       "锥坡填方  68.358 m³\n坡面面积  57.718 m²\n坡脚线长  12.759 m\n坡顶线长   0.000 m"
//   ..., thickness "1.5" -> the same, then "\n分层放样线3条，共12点"
//   {"99", ...} -> "坡顶高程应高于坡脚高程：99"
QString heightSummary(const HeightAsk& ask, const ListedRun& run);

}  // namespace korvel
