#include "report/sheet_table.h"

#include <QPainter>
#include <array>

#include "report/sheet_layout.h"
#include "report/sheet_text.h"

namespace korvel {
namespace {

// Point sizes of the table's texts and the smallest a long coordinate is shrunk to.
constexpr double kTableSize = 9.0;
constexpr double kSmallestSize = 4.5;

// The cells of one row, left to right.
std::vector<QString> rowCells(const StakeSheet& sheet, const std::optional<StationSetup>& setup,
                              const StakeRow& row, const QString& elevation) {
    std::vector<QString> cells = {QString::fromStdString(pointName(sheet.prefix, row)),
                                  QString::fromLatin1(row.x), QString::fromLatin1(row.y),
                                  elevation};
    if (setup) {
        const PolarTexts polar = polarTexts(*setup, row);
        cells.push_back(QString::fromStdString(polar.azimuth));
        cells.push_back(QString::fromStdString(polar.horizontalAngle));
        cells.push_back(QString::fromLatin1(polar.distance));
    }
    return cells;
}

// The rules of the table: its frame, a line under every row and one between columns.
void paintRules(QPainter& painter, const std::vector<TableColumn>& columns, double top,
                std::size_t count) {
    const double bottom = top + kTableHeaderHeight + static_cast<double>(count) * kRowHeight;
    painter.setPen(QPen(Qt::black, 0.5));
    painter.setBrush(QColor(235, 235, 235));
    painter.drawRect(QRectF(kLeft, top, kContentWidth, kTableHeaderHeight));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(kLeft, top, kContentWidth, bottom - top));
    double x = kLeft;
    for (std::size_t c = 0; c + 1 < columns.size(); ++c) {
        x += columns[c].width;
        painter.drawLine(QPointF(x, top), QPointF(x, bottom));
    }
    painter.setPen(QPen(QColor(150, 150, 150), 0.3));
    for (std::size_t k = 1; k < count; ++k) {
        const double y = top + kTableHeaderHeight + static_cast<double>(k) * kRowHeight;
        painter.drawLine(QPointF(kLeft, y), QPointF(kLeft + kContentWidth, y));
    }
}

}  // namespace

// Without a station the four columns share the width; with one the name and H give room to
// the three polar columns.
std::vector<TableColumn> tableColumns(bool polar) {
    if (!polar) {
        return {{"点名", 105}, {"X(m)", 140}, {"Y(m)", 140}, {"H(m)", 125}};
    }
    return {{"点名", 62},   {"X(m)", 80},   {"Y(m)", 80},       {"H(m)", 60},
            {"方位角", 74}, {"水平角", 74}, {"水平距离(m)", 80}};
}

// The names sit at the left of their column, every number at the right, so that the
// decimal points line up down the page.
void paintTable(QPainter& painter, const QFont& font, const StakeSheet& sheet,
                const std::optional<StationSetup>& setup, double top, std::size_t first,
                std::size_t count) {
    QFont body = font;
    body.setPointSizeF(kTableSize);
    const std::vector<TableColumn> columns = tableColumns(setup.has_value());
    paintRules(painter, columns, top, count);
    painter.setPen(Qt::black);
    double x = kLeft;
    for (const TableColumn& column : columns) {
        paintFitted(painter, QRectF(x, top, column.width, kTableHeaderHeight), body,
                    QString::fromUtf8(column.caption), Align::Centre, kSmallestSize);
        x += column.width;
    }
    const QString elevation = QString::fromStdString(sheet.elevation);
    for (std::size_t k = 0; k < count; ++k) {
        const double y = top + kTableHeaderHeight + static_cast<double>(k) * kRowHeight;
        const std::vector<QString> cells = rowCells(sheet, setup, sheet.rows[first + k], elevation);
        x = kLeft;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            paintFitted(painter, QRectF(x, y, columns[c].width, kRowHeight), body, cells[c],
                        c == 0 ? Align::Left : Align::Right, kSmallestSize);
            x += columns[c].width;
        }
    }
}

}  // namespace korvel
