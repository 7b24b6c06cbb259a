// The tables of the sheets, their header row repeated on every page: any table given as its
// columns and the texts of its rows.
#pragma once

#include <QFont>
#include <QString>
#include <cstddef>
#include <vector>

#include "report/sheet_text.h"

class QPainter;

namespace korvel {

// A column of a table: its caption, its width in points, and where its texts sit (names at
// the left, numbers at the right so that the decimal points line up down the page).
struct TableColumn {
    const char* caption;
    double width;
    Align align = Align::Right;
};

// How a row stands out: not at all; marked (bold on a light grey ground, in red where colour
// prints) for a row that needs attention; faint (grey) for a row with nothing to show.
enum class RowLook { Plain, Marked, Faint };

// The texts of one row, left to right, and how it looks.
struct TableRow {
    std::vector<QString> cells;
    RowLook look = RowLook::Plain;
};

// Paints the header row at `top` and the rows under it, one kRowHeight each, ruled.
void paintTable(QPainter& painter, const QFont& font, const std::vector<TableColumn>& columns,
                double top, const std::vector<TableRow>& rows);

}  // namespace korvel
