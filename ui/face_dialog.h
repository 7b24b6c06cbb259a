// "坡面检测": the check of the points shot on the slope against its design surface as a table,
// recomputed as the tolerance and the coordinate order change, with its summary, "导出(&E)…"
// and "关闭".
#pragma once

#include <QString>

#include "ui/dialog_host.h"

class QTableWidget;
class QWidget;

namespace korvel {

// Shows the dialog modally over `parent` until "关闭" (or Esc); the inputs as they stood then.
FaceInputs runFaceDialog(QWidget* parent, const FaceSession& session);

// The check of `inputs` for the session, or why there is none: the tolerance as typed, the
// file as read in that order, or the slope's heights refused.
FaceRequest faceOfInputs(const FaceSession& session, const FaceInputs& inputs);

// Fills `table` with the check's rows under its captions: "偏高" and "偏低" rows in bold on a
// light red ground with the verdict marked "▲" or "▼", shots off the face in grey.
void fillFaceTable(QTableWidget* table, const FaceReport& report);

}  // namespace korvel
