// The results workbook as an Office Open XML file (.xlsx), written by libxlsxwriter.
#pragma once

#include <QByteArray>
#include <QString>

#include "files/workbook/worksheet.h"

namespace korvel {

// Builds the workbook with the one worksheet "sheet1" holding `grid`.
WorkbookFile encodeXlsxWorkbook(const SheetGrid& grid);

}  // namespace korvel
