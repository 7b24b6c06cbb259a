// The results workbook as an Office Open XML file (.xlsx), written by libxlsxwriter.
#pragma once

#include <QByteArray>
#include <QString>

#include "worksheet.h"

namespace korvel {

// A whole .xlsx file, or the reason it could not be built.
struct XlsxFile {
    QByteArray bytes;
    QString error;  // empty on success
};

// Builds the workbook with the one worksheet "sheet1" holding `grid`.
XlsxFile encodeXlsxWorkbook(const SheetGrid& grid);

}  // namespace korvel
