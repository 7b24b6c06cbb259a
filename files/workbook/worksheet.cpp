#include "files/workbook/worksheet.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace korvel {

namespace {

// Counts the ASCII digits from `pos` on.
qsizetype digitRun(QStringView text, qsizetype pos) {
    qsizetype n = 0;
    while (pos + n < text.size() && text[pos + n] >= u'0' && text[pos + n] <= u'9') {
        ++n;
    }
    return n;
}

}  // namespace

// Checks the shape by hand, then converts the ASCII copy with std::from_chars, which
// ignores the process locale and rounds correctly.
std::optional<double> plainDecimal(QStringView piece) {
    qsizetype pos = piece.startsWith(u'-') ? 1 : 0;
    const qsizetype whole = digitRun(piece, pos);
    if (whole == 0) {
        return std::nullopt;
    }
    pos += whole;
    if (pos < piece.size() && piece[pos] == u'.') {
        const qsizetype fraction = digitRun(piece, pos + 1);
        if (fraction == 0) {
            return std::nullopt;
        }
        pos += 1 + fraction;
    }
    if (pos != piece.size()) {
        return std::nullopt;
    }
    char small[64];
    std::string large;
    char* ascii = small;
    if (piece.size() > qsizetype(sizeof small)) {
        large.resize(static_cast<std::size_t>(piece.size()));
        ascii = large.data();
    }
    for (qsizetype i = 0; i < piece.size(); ++i) {
        ascii[i] = static_cast<char>(piece[i].unicode());
    }
    double value = 0.0;
    const auto [end, ec] = std::from_chars(ascii, ascii + piece.size(), value);
    if (ec != std::errc() || end != ascii + piece.size()) {
        return std::nullopt;  // out of the double range
    }
    return value;
}

// One pass over every line; empty pieces only move the column on.
SheetGrid cutIntoCells(const QStringList& lines) {
    std::vector<SheetCell> cells;
    const int rows = static_cast<int>(std::min<qsizetype>(lines.size(), kMaxSheetRows));
    cells.reserve(static_cast<std::size_t>(rows) * 3);  // number, X and Y a row
    for (int row = 0; row < rows; ++row) {
        const QStringView line = lines[row];
        qsizetype start = 0;
        for (int column = 0; column < kMaxSheetColumns && start <= line.size(); ++column) {
            qsizetype end = start;
            while (end < line.size() && line[end] != u' ') {
                ++end;
            }
            const QStringView piece = line.sliced(start, end - start);
            start = end + 1;
            if (!piece.isEmpty()) {
                SheetCell cell;
                cell.row = row;
                cell.column = column;
                if (const auto value = plainDecimal(piece)) {
                    cell.numeric = true;
                    cell.number = *value;
                } else {
                    cell.text = piece.toString();
                }
                cells.push_back(std::move(cell));
            }
        }
    }
    return gridOfCells(std::move(cells));
}

// Rows arrive in order, so the first and last cell bound the rows; the columns take a pass.
SheetGrid gridOfCells(std::vector<SheetCell> cells) {
    SheetGrid grid;
    grid.cells = std::move(cells);
    if (grid.cells.empty()) {
        return grid;
    }
    grid.firstRow = grid.cells.front().row;
    grid.lastRow = grid.cells.back().row;
    grid.firstColumn = kMaxSheetColumns;
    for (const SheetCell& cell : grid.cells) {
        grid.firstColumn = std::min(grid.firstColumn, cell.column);
        grid.lastColumn = std::max(grid.lastColumn, cell.column);
    }
    return grid;
}

}  // namespace korvel
