// "放样复核": the check of the staked points as a table, recomputed as the prefix, the
// tolerance and the coordinate order change, with its summary, "导出(&E)…" and "关闭".
#pragma once

#include <QString>
#include <QStringList>

#include "ui/dialog_host.h"

class QTableWidget;
class QWidget;

namespace korvel {

// Shows the dialog modally over `parent` until "关闭" (or Esc); the inputs as they stood then.
CheckInputs runCheckDialog(QWidget* parent, const CheckSession& session);

// The check of `inputs` for the session, or why there is none: the tolerance or the prefix
// as typed is refused, or the file read again in another order is. The prefix is checked as
// the point files check it.
struct CheckOfInputs {
    CheckReport report;
    Problem problem;
};
CheckOfInputs checkOfInputs(const CheckSession& session, const CheckInputs& inputs);

// Fills `table` with the check's rows under its captions: "超限" rows in bold on a light red
// ground with the verdict marked "▲", "未测" rows in grey.
void fillCheckTable(QTableWidget* table, const CheckReport& report);

}  // namespace korvel
