// The worksheet layout of the results workbook: row r holds list line r, cut at every
// single space, piece k in column k + 1; empty pieces leave their cell empty.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>
#include <vector>

namespace korvel {

// The largest grid both workbook formats hold (BIFF8: 65536 rows, 256 columns); pieces
// beyond it are left out.
inline constexpr int kMaxSheetRows = 65536;
inline constexpr int kMaxSheetColumns = 256;

// One non-empty cell, 0-based. A piece that reads as a plain decimal number is numeric.
struct SheetCell {
    int row = 0;
    int column = 0;
    bool numeric = false;
    double number = 0.0;
    QString text;  // set only when !numeric
};

// The cells in row order, left to right within a row, and the range they cover.
struct SheetGrid {
    std::vector<SheetCell> cells;
    int firstRow = 0, lastRow = -1;  // lastRow < firstRow when there are no cells
    int firstColumn = 0, lastColumn = -1;
};

// The value of a piece made of an optional "-", digits, and optionally "." and digits;
// nothing for any other text ("+1", "1e3", ".5", "1.", "1,5").
std::optional<double> plainDecimal(QStringView piece);

// Cuts the list lines into the worksheet's cells.
SheetGrid cutIntoCells(const QStringList& lines);

// The grid of `cells`, given in row order and left to right within a row, inside the
// 65536 x 256 grid: the cells as they are and the range they cover.
//   {} -> no cells, firstRow 0, lastRow -1
//   {(0, 2) "a", (3, 0) 1.5} -> rows 0 to 3, columns 0 to 2
SheetGrid gridOfCells(std::vector<SheetCell> cells);

// A whole workbook file (.xls or .xlsx) built in memory, or the reason it could not be.
struct WorkbookFile {
    QByteArray bytes;
    QString error;  // empty on success
};

}  // namespace korvel
