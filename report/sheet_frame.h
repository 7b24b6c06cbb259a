// What every page of a printed sheet carries around its content: the title, the header with
// the project, the part, the instrument, the day and the station, the signature line and the
// page number; and the ruled lines of captions and texts the header and the blocks are made of.
#pragma once

#include <QFont>
#include <QString>
#include <cstddef>
#include <optional>
#include <vector>

#include "report/sheet_data.h"

class QPainter;

namespace korvel {

// What every page of a sheet carries around its content: the title, the header (with the
// station and backsight when both are given) and the captions of the signature line.
struct SheetFrame {
    QString title;
    SheetHeader header;
    std::optional<SheetStation> station;
    std::optional<SheetStation> backsight;
    std::vector<QString> signatures;
};

// Whether the frame's header has the line of the station and backsight: both are given.
bool showsStation(const SheetFrame& frame);

// Paints the title, the header lines (工程名称, 桩号及部位, 仪器型号及编号 and 日期, and 测站
// and 后视 when the frame shows them), the signature line (the captions side by side, each
// with a line to sign on) and "第 k 页 共 n 页" for page `page` (from 1) of `pages`.
void paintPageFrame(QPainter& painter, const QFont& font, const SheetFrame& frame, std::size_t page,
                    std::size_t pages);

// A cell of a ruled line: its width in points, its text, and whether it is a caption (on a
// light grey ground, centred) or a text (at the left).
struct RuledCell {
    double width;
    QString text;
    bool caption;
};

// Paints one ruled line of cells from the left margin at `top`, `height` high, its texts at
// the sheet's text size, shrunk to fit their cells.
void paintRuledLine(QPainter& painter, const QFont& font, double top, double height,
                    const std::vector<RuledCell>& cells);

}  // namespace korvel
