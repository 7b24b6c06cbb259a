// The tables of the sheets, their header row repeated on every page: the stake points (点名,
// X(m), Y(m), H(m), and with a station 方位角, 水平角 and 水平距离(m)) and any other table
// given as its columns and the texts of its rows.
#pragma once

#include <QFont>
#include <QString>
#include <cstddef>
#include <optional>
#include <vector>

#include "core/polar.h"
#include "report/sheet_text.h"
#include "report/stake_sheet.h"

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

// The stake points' columns, the polar ones only with a station; they fill the printed width.
std::vector<TableColumn> tableColumns(bool polar);

// The rows `first` to `first + count - 1` of the stake-out sheet: the names with the prefix,
// the list's own X and Y digits, the elevation as H, and the polar data from `setup` when
// there is one.
std::vector<TableRow> stakeTableRows(const StakeSheet& sheet,
                                     const std::optional<StationSetup>& setup, std::size_t first,
                                     std::size_t count);

// Paints the header row at `top` and the rows under it, one kRowHeight each, ruled.
void paintTable(QPainter& painter, const QFont& font, const std::vector<TableColumn>& columns,
                double top, const std::vector<TableRow>& rows);

}  // namespace korvel
