// The results workbook as an Excel 97-2003 file: a BIFF8 "Workbook" stream inside an
// OLE2 compound file.
#pragma once

#include <QByteArray>
#include <QString>

#include "files/workbook/worksheet.h"

namespace korvel {

// The name of the one worksheet.
inline const QString kSheetName = QStringLiteral("sheet1");

// The BIFF8 Workbook stream: globals substream, then the worksheet substream, the worksheet
// named `sheetName` (1 to 31 characters, stored as UTF-16).
QByteArray xlsWorkbookStream(const SheetGrid& grid, const QString& sheetName = kSheetName);

// Wraps the Workbook stream for `grid` in an OLE2 compound file.
WorkbookFile encodeXlsWorkbook(const SheetGrid& grid, const QString& sheetName = kSheetName);

}  // namespace korvel
