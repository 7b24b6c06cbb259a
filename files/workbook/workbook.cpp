#include "files/workbook/workbook.h"

#include "files/workbook/worksheet.h"
#include "files/workbook/xls_workbook.h"
#include "files/workbook/xlsx_workbook.h"

namespace korvel {

// Compares the ending without regard to letter case.
bool wantsXlsx(const QString& path) {
    return path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive);
}

// The list lines cut into the grid of "sheet1".
Problem saveWorkbook(const QString& path, const QStringList& lines) {
    return saveSheetGrid(path, cutIntoCells(lines), kSheetName);
}

// The whole file is built before the target is touched.
Problem saveSheetGrid(const QString& path, const SheetGrid& grid, const QString& sheetName) {
    const WorkbookFile file =
        wantsXlsx(path) ? encodeXlsxWorkbook(grid, sheetName) : encodeXlsWorkbook(grid, sheetName);
    return file.error.isEmpty() ? saveFileAtomically(path, file.bytes)
                                : saveProblem(ProblemCode::CannotBuildWorkbook, path, file.error);
}

}  // namespace korvel
