// The table of stake points: 点名, X(m), Y(m), H(m), and with a station 方位角, 水平角 and
// 水平距离(m), its header row repeated on every page.
#pragma once

#include <QFont>
#include <cstddef>
#include <optional>
#include <vector>

#include "core/polar.h"
#include "report/stake_sheet.h"

class QPainter;

namespace korvel {

// A column of the table: its caption and width in points.
struct TableColumn {
    const char* caption;
    double width;
};

// The table's columns, the polar ones only with a station; they fill the printed width.
std::vector<TableColumn> tableColumns(bool polar);

// Paints the header row at `top` and then `count` rows from row `first` of the sheet: the
// names with the prefix, the list's own X and Y digits, the elevation as H, and the polar
// data from `setup` when there is one.
void paintTable(QPainter& painter, const QFont& font, const StakeSheet& sheet,
                const std::optional<StationSetup>& setup, double top, std::size_t first,
                std::size_t count);

}  // namespace korvel
