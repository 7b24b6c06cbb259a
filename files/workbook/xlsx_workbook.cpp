#include "files/workbook/xlsx_workbook.h"

#include <xlsxwriter.h>

#include <QFile>
#include <QTemporaryDir>
#include <optional>

#include "files/workbook/classic_numbers.h"
#include "files/workbook/containers.h"
#include "files/workbook/xls_workbook.h"

namespace korvel {

namespace {

// Fills the sheet cell by cell; cells arrive in row order as constant-memory mode needs.
lxw_error writeCells(lxw_worksheet* sheet, const SheetGrid& grid) {
    for (const SheetCell& cell : grid.cells) {
        const auto row = static_cast<lxw_row_t>(cell.row);
        const auto column = static_cast<lxw_col_t>(cell.column);
        const lxw_error err = cell.numeric
                                  ? worksheet_write_number(sheet, row, column, cell.number, nullptr)
                                  : worksheet_write_string(sheet, row, column,
                                                           cell.text.toUtf8().constData(), nullptr);
        if (err != LXW_NO_ERROR) {
            return err;
        }
    }
    return LXW_NO_ERROR;
}

// Writes the workbook file at `path` with libxlsxwriter, its scratch files in `scratch`;
// the reason when it fails, else nothing.
QString writeXlsxFile(const QByteArray& path, const QByteArray& scratch, const SheetGrid& grid,
                      const QString& sheetName) {
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = const_cast<char*>(scratch.constData());
    lxw_workbook* book = workbook_new_opt(path.constData(), &options);
    if (book == nullptr) {
        return QStringLiteral("The workbook could not be created");
    }
    lxw_worksheet* sheet = workbook_add_worksheet(book, sheetName.toUtf8().constData());
    lxw_error err = sheet ? writeCells(sheet, grid) : LXW_ERROR_MEMORY_MALLOC_FAILED;
    const lxw_error closeErr = workbook_close(book);  // also frees the workbook
    if (err == LXW_NO_ERROR) {
        err = closeErr;
    }
    return err == LXW_NO_ERROR ? QString() : QString::fromUtf8(lxw_strerror(err));
}

// libxlsxwriter does not check the writes to its scratch files: when the disk fills up it
// packs a truncated worksheet and reports success. The package is opened again and its
// worksheet must be complete and hold every cell.
bool worksheetIsComplete(const QString& xlsxPath, std::size_t cells) {
    const std::optional<QByteArray> xml = zipEntry(xlsxPath, "xl/worksheets/sheet1.xml");
    return xml && xml->trimmed().endsWith("</worksheet>") &&
           static_cast<std::size_t>(xml->count("<c r=\"")) == cells;
}

}  // namespace

// libxlsxwriter 1.1 writes only to a named file: it writes into a private temporary
// folder (its scratch files too) and the bytes are read back from there.
WorkbookFile encodeXlsxWorkbook(const SheetGrid& grid, const QString& sheetName) {
    WorkbookFile file;
    QTemporaryDir dir;
    if (!dir.isValid()) {
        file.error = dir.errorString();
        return file;
    }
    const QString path = dir.filePath(QStringLiteral("book.xlsx"));
    const QByteArray nativePath = QFile::encodeName(path);
    const QByteArray scratch = QFile::encodeName(dir.path());
    // libxlsxwriter 1.1 prints numbers with printf, which writes "3001,063" under a
    // comma-decimal locale (Qt programs adopt the user's locale) and spoils the file.
    withClassicNumbers([&] { file.error = writeXlsxFile(nativePath, scratch, grid, sheetName); });
    if (!file.error.isEmpty()) {
        return file;
    }
    QFile written(path);
    if (!written.open(QIODevice::ReadOnly)) {
        file.error = written.errorString();
        return file;
    }
    file.bytes = written.readAll();
    if (!worksheetIsComplete(path, grid.cells.size())) {
        file.bytes.clear();
        file.error = QStringLiteral("The workbook could not be written completely (disk full?)");
    }
    return file;
}

}  // namespace korvel
