#include "files/workbook/workbook.h"

#include "files/workbook/worksheet.h"
#include "files/workbook/xls_workbook.h"
#include "files/workbook/xlsx_workbook.h"

namespace korvel {

// Compares the ending without regard to letter case.
bool wantsXlsx(const QString& path) {
    return path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive);
}

// The whole file is built before the target is touched.
Problem saveWorkbook(const QString& path, const QStringList& lines) {
    const SheetGrid grid = cutIntoCells(lines);
    const WorkbookFile file = wantsXlsx(path) ? encodeXlsxWorkbook(grid) : encodeXlsWorkbook(grid);
    return file.error.isEmpty() ? saveFileAtomically(path, file.bytes)
                                : saveProblem(ProblemCode::CannotBuildWorkbook, path, file.error);
}

}  // namespace korvel
