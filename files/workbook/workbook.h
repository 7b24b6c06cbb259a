// The results workbook: the result list on the worksheet "sheet1", saved as .xls or .xlsx.
#pragma once

#include <QString>
#include <QStringList>

#include "files/save.h"
#include "files/workbook/worksheet.h"

namespace korvel {

// True when `path` ends in ".xlsx", in any letter case.
bool wantsXlsx(const QString& path);

// Builds the workbook from the list lines (.xlsx when wantsXlsx(path), else Excel 97-2003
// .xls) and replaces `path` with it atomically; CannotBuildWorkbook with the library's reason
// when it could not be built, or the save's problem.
Problem saveWorkbook(const QString& path, const QStringList& lines);

// Builds the workbook with the one worksheet `sheetName` holding `grid` (.xlsx when
// wantsXlsx(path), else .xls) and replaces `path` with it atomically, as saveWorkbook does.
// The name is a legal worksheet name: 1 to 31 characters, none of []:*?/\.
//   ("复核.xls", grid, "复核") -> None, the sheet "复核"
Problem saveSheetGrid(const QString& path, const SheetGrid& grid, const QString& sheetName);

}  // namespace korvel
