#include "report/sheet_table.h"

#include <QPainter>

#include "report/sheet_layout.h"

namespace korvel {
namespace {

// Point sizes of the table's texts and the smallest a long coordinate is shrunk to.
constexpr double kTableSize = 9.0;
constexpr double kSmallestSize = 4.5;

// The grounds: the header row's and a marked row's, light enough to print over in black.
const QColor kHeaderGround(235, 235, 235);
const QColor kMarkedGround(215, 215, 215);
// The texts of a marked row (a dark red that prints near black) and of a faint row.
const QColor kMarkedText(176, 0, 0);
const QColor kFaintText(120, 120, 120);

// The rules of the table: its frame, a line under every row and one between columns; the
// marked rows' ground goes under them.
void paintRules(QPainter& painter, const std::vector<TableColumn>& columns, double top,
                const std::vector<TableRow>& rows) {
    const double bottom = top + kTableHeaderHeight + static_cast<double>(rows.size()) * kRowHeight;
    painter.setPen(Qt::NoPen);
    for (std::size_t k = 0; k < rows.size(); ++k) {
        if (rows[k].look == RowLook::Marked) {
            const double y = top + kTableHeaderHeight + static_cast<double>(k) * kRowHeight;
            painter.fillRect(QRectF(kLeft, y, kContentWidth, kRowHeight), kMarkedGround);
        }
    }
    painter.setPen(QPen(Qt::black, 0.5));
    painter.setBrush(kHeaderGround);
    painter.drawRect(QRectF(kLeft, top, kContentWidth, kTableHeaderHeight));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(kLeft, top, kContentWidth, bottom - top));
    double x = kLeft;
    for (std::size_t c = 0; c + 1 < columns.size(); ++c) {
        x += columns[c].width;
        painter.drawLine(QPointF(x, top), QPointF(x, bottom));
    }
    painter.setPen(QPen(QColor(150, 150, 150), 0.3));
    for (std::size_t k = 1; k < rows.size(); ++k) {
        const double y = top + kTableHeaderHeight + static_cast<double>(k) * kRowHeight;
        painter.drawLine(QPointF(kLeft, y), QPointF(kLeft + kContentWidth, y));
    }
}

// The font and pen of a row's texts.
void setLook(QPainter& painter, QFont& font, RowLook look) {
    font.setBold(look == RowLook::Marked);
    painter.setPen(look == RowLook::Marked  ? kMarkedText
                   : look == RowLook::Faint ? kFaintText
                                            : QColor(Qt::black));
}

}  // namespace

// Without a station the four columns share the width; with one the name and H give room to
// the three polar columns.
std::vector<TableColumn> tableColumns(bool polar) {
    if (!polar) {
        return {{"点名", 105, Align::Left}, {"X(m)", 140}, {"Y(m)", 140}, {"H(m)", 125}};
    }
    return {{"点名", 62, Align::Left},
            {"X(m)", 80},
            {"Y(m)", 80},
            {"H(m)", 60},
            {"方位角", 74},
            {"水平角", 74},
            {"水平距离(m)", 80}};
}

// Each row's texts as the list and the point files write them.
std::vector<TableRow> stakeTableRows(const StakeSheet& sheet,
                                     const std::optional<StationSetup>& setup, std::size_t first,
                                     std::size_t count) {
    const QString elevation = QString::fromStdString(sheet.elevation);
    std::vector<TableRow> rows;
    rows.reserve(count);
    for (std::size_t k = first; k < first + count; ++k) {
        const StakeRow& row = sheet.rows[k];
        std::vector<QString> cells = {QString::fromStdString(pointName(sheet.prefix, row)),
                                      QString::fromLatin1(row.x), QString::fromLatin1(row.y),
                                      elevation};
        if (setup) {
            const PolarTexts polar = polarTexts(*setup, row);
            cells.push_back(QString::fromStdString(polar.azimuth));
            cells.push_back(QString::fromStdString(polar.horizontalAngle));
            cells.push_back(QString::fromLatin1(polar.distance));
        }
        rows.push_back({std::move(cells), RowLook::Plain});
    }
    return rows;
}

// The captions centred in the header row; each row's texts in their columns' places.
void paintTable(QPainter& painter, const QFont& font, const std::vector<TableColumn>& columns,
                double top, const std::vector<TableRow>& rows) {
    QFont body = font;
    body.setPointSizeF(kTableSize);
    paintRules(painter, columns, top, rows);
    painter.setPen(Qt::black);
    double x = kLeft;
    for (const TableColumn& column : columns) {
        paintFitted(painter, QRectF(x, top, column.width, kTableHeaderHeight), body,
                    QString::fromUtf8(column.caption), Align::Centre, kSmallestSize);
        x += column.width;
    }
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const double y = top + kTableHeaderHeight + static_cast<double>(k) * kRowHeight;
        QFont looks = body;
        setLook(painter, looks, rows[k].look);
        x = kLeft;
        for (std::size_t c = 0; c < columns.size() && c < rows[k].cells.size(); ++c) {
            paintFitted(painter, QRectF(x, y, columns[c].width, kRowHeight), looks,
                        rows[k].cells[c], columns[c].align, kSmallestSize);
            x += columns[c].width;
        }
    }
    painter.setPen(Qt::black);
}

}  // namespace korvel
