#include "files/workbook/xls_workbook.h"

#include <QHash>

#include "files/workbook/biff8_records.h"
#include "files/workbook/biff8_sst.h"
#include "files/workbook/containers.h"

namespace korvel {

namespace {

// Streams shorter than 4096 bytes go into the compound file's small-block area, which
// some versions of Excel refuse for the Workbook stream; shorter streams are padded.
constexpr qsizetype kMinWorkbookStream = 4096;

// The text cells' strings, each once in order of first use, and how many cells use one.
struct StringTable {
    QStringList strings;
    QHash<QString, std::uint32_t> index;
    std::uint32_t references = 0;
};

// Gathers the text cells' strings in order of first use.
StringTable collectStrings(const SheetGrid& grid) {
    StringTable table;
    for (const SheetCell& cell : grid.cells) {
        if (cell.numeric) {
            continue;
        }
        ++table.references;
        if (!table.index.contains(cell.text)) {
            table.index.insert(cell.text, static_cast<std::uint32_t>(table.strings.size()));
            table.strings.append(cell.text);
        }
    }
    return table;
}

// BOF, CODEPAGE, WINDOW1, five FONTs (Excel skips font index 4, so the fifth record is
// font 5), 15 style XFs and the cell XF, STYLE, BOUNDSHEET, SST, EOF. The BOUNDSHEET
// offset is patched once the globals' length is known.
QByteArray globalsSubstream(const StringTable& table, const QString& sheetName) {
    QByteArray out;
    out += biff8::bofRecord(biff8::kWorkbookGlobals);
    out += biff8::codepageRecord();
    out += biff8::window1Record();
    for (int i = 0; i < 5; ++i) {
        out += biff8::fontRecord();
    }
    for (int i = 0; i < 15; ++i) {
        out += biff8::styleXfRecord(i);
    }
    out += biff8::cellXfRecord();
    out += biff8::styleRecord();
    const qsizetype boundsheetAt = out.size();
    out += biff8::boundsheetRecord(0, sheetName);
    out += biff8::sharedStringRecords(table.strings, table.references,
                                      static_cast<std::uint32_t>(out.size()));
    out += biff8::eofRecord();
    const QByteArray offset = biff8::Bytes{}.u32(static_cast<std::uint32_t>(out.size())).data;
    out.replace(boundsheetAt + biff8::kBoundsheetOffsetPos, offset.size(), offset);
    return out;
}

}  // namespace

// Globals, then BOF, DIMENSIONS, the cells, WINDOW2, EOF of the worksheet.
QByteArray xlsWorkbookStream(const SheetGrid& grid, const QString& sheetName) {
    const StringTable table = collectStrings(grid);
    QByteArray out = globalsSubstream(table, sheetName);
    out.reserve(out.size() + static_cast<qsizetype>(grid.cells.size()) * 18 + 128);
    out += biff8::bofRecord(biff8::kWorksheet);
    out += biff8::dimensionsRecord(grid.firstRow, grid.lastRow, grid.firstColumn, grid.lastColumn);
    for (const SheetCell& cell : grid.cells) {
        const auto row = static_cast<std::uint16_t>(cell.row);
        const auto column = static_cast<std::uint16_t>(cell.column);
        if (cell.numeric) {
            const auto r = biff8::numberRecord(row, column, cell.number);
            out.append(r.data(), r.size());
        } else {
            const auto r = biff8::labelSstRecord(row, column, table.index.value(cell.text));
            out.append(r.data(), r.size());
        }
    }
    out += biff8::window2Record();
    out += biff8::eofRecord();
    if (out.size() < kMinWorkbookStream) {
        out.append(kMinWorkbookStream - out.size(), '\0');
    }
    return out;
}

// The compound file around the stream comes from the platform (containers.h).
WorkbookFile encodeXlsWorkbook(const SheetGrid& grid, const QString& sheetName) {
    return compoundFileWithWorkbook(xlsWorkbookStream(grid, sheetName));
}

}  // namespace korvel
