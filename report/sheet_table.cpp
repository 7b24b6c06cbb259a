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
