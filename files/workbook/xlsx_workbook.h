// The results workbook as an Office Open XML file (.xlsx), written by libxlsxwriter.
#pragma once

#include <QByteArray>
#include <QString>

#include "files/workbook/worksheet.h"
#include "files/workbook/xls_workbook.h"

namespace korvel {

// Builds the workbook with the one worksheet `sheetName` ("sheet1" unless named; a legal
// worksheet name, any characters but []:*?/\) holding `grid`.
WorkbookFile encodeXlsxWorkbook(const SheetGrid& grid, const QString& sheetName = kSheetName);

}  // namespace korvel
