// The pages of a printed sheet painted into an A4 PDF: the frame on every page, the first
// page's parameters and drawing, a table over as many pages as it needs and the blocks that
// close the sheet, in the embedded sheet font. The stake-out sheet and the check sheet are
// both made here, each from its own columns, rows and closing blocks.
//
// Painting needs a QGuiApplication (QPdfWriter and the font database do).
#pragma once

#include <QFont>
#include <QString>
#include <cstddef>
#include <functional>
#include <vector>

#include "files/problem.h"
#include "report/sheet_page.h"
#include "report/sheet_table.h"
#include "report/stake_sheet.h"

class QPainter;

namespace korvel {

// Everything the pages of a sheet are painted from.
struct PagedSheet {
    SheetFrame frame;             // on every page; its title is also the PDF's title
    const StakeSheet* firstPage;  // the parameters and drawing of the first page (not null)
    bool withStation = false;     // the header has the station's line
    std::vector<TableColumn> columns;
    std::size_t rowCount = 0;
    // The rows `first` to `first + count - 1` as the table prints them.
    std::function<std::vector<TableRow>(std::size_t first, std::size_t count)> rows;
    // The height the closing blocks need, and how they are painted from a top down; 0 and
    // empty for a sheet that ends with its table.
    double closingHeight = 0;
    std::function<void(QPainter& painter, const QFont& font, double top)> closing;
};

// The sheet as PDF bytes: A4 portrait pages laid out by planPages, vector throughout, the
// text in the sheet font (report/sheet_font.h), the frame's title as the document's title
// and Korvel as its creator. NoSheetFont when the font cannot be loaded, CannotMakePdf when
// the painter fails; `pdf` is then empty.
SheetPdf renderPagedSheet(const PagedSheet& sheet);

// Writes the PDF to `path` through the atomic save, or returns its problem naming the file.
//   ("a.pdf", {bytes, None}) -> the save's problem (None when written)
//   ("a.pdf", {{}, {NoSheetFont, ...}}) -> {NoSheetFont, ..., file "a.pdf"}, nothing written
Problem savePdf(const QString& path, const SheetPdf& pdf);

}  // namespace korvel
