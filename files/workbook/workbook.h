// The results workbook: the result list on the worksheet "sheet1", saved as .xls or .xlsx.
#pragma once

#include <QString>
#include <QStringList>

#include "files/save.h"

namespace korvel {

// True when `path` ends in ".xlsx", in any letter case.
bool wantsXlsx(const QString& path);

// Builds the workbook from the list lines (.xlsx when wantsXlsx(path), else Excel 97-2003
// .xls) and replaces `path` with it atomically; CannotBuildWorkbook with the library's reason
// when it could not be built, or the save's problem.
Problem saveWorkbook(const QString& path, const QStringList& lines);

}  // namespace korvel
