// The pager of the printed sheets: the frame on every page, the first page's own blocks
// under its header, a table over as many pages as it needs and the blocks that close the
// sheet, painted into an A4 PDF in the embedded sheet font. It knows no sheet of its own: the
// stake-out sheet and the check sheet each give it their blocks, columns and rows.
//
// Painting needs a QGuiApplication (QPdfWriter and the font database do).
#pragma once

#include <QFont>
#include <QString>
#include <cstddef>
#include <functional>
#include <vector>

#include "files/problem.h"
#include "report/sheet_data.h"
#include "report/sheet_frame.h"
#include "report/sheet_table.h"

class QPainter;

namespace korvel {

// A block of a sheet across the printed width: its height in points and how it is painted
// from a top down.
struct SheetBlock {
    double height = 0;
    std::function<void(QPainter& painter, const QFont& font, double top)> paint;
};

// Everything the pages of a sheet are painted from.
struct PagedSheet {
    SheetFrame frame;                 // on every page; its title is also the PDF's title
    std::vector<SheetBlock> opening;  // the first page's own blocks, top down, under the header
    std::vector<TableColumn> columns;
    std::size_t rowCount = 0;
    // The rows `first` to `first + count - 1` as the table prints them.
    std::function<std::vector<TableRow>(std::size_t first, std::size_t count)> rows;
    // The blocks after the table's last row, kept together: on its page when they fit there,
    // else on a page of their own.
    std::vector<SheetBlock> closing;
};

// The sheet as PDF bytes: A4 portrait pages laid out by planPages, each block stacked by
// stackBlocks, vector throughout, the
// text in the sheet font (report/sheet_font.h), the frame's title as the document's title
// and Korvel as its creator. NoSheetFont when the font cannot be loaded, CannotMakePdf when
// the painter fails; `pdf` is then empty.
SheetPdf renderPagedSheet(const PagedSheet& sheet);

// Writes the PDF to `path` through the atomic save, or returns its problem naming the file.
//   ("a.pdf", {bytes, None}) -> the save's problem (None when written)
//   ("a.pdf", {{}, {NoSheetFont, ...}}) -> {NoSheetFont, ..., file "a.pdf"}, nothing written
Problem savePdf(const QString& path, const SheetPdf& pdf);

}  // namespace korvel
