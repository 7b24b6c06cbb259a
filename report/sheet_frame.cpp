#include "report/sheet_frame.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <string>
#include <vector>

#include "report/sheet_layout.h"
#include "report/sheet_text.h"

namespace korvel {
namespace {

// Point sizes: the title, the header's texts, the smallest any text is shrunk to.
constexpr double kTitleSize = 18.0;
constexpr double kTextSize = 10.0;
constexpr double kSmallestSize = 5.0;

// `font` at `size` points.
QFont sized(QFont font, double size) {
    font.setPointSizeF(size);
    return font;
}

// The station's or backsight's half of the header line: caption, name, X and Y.
std::vector<RuledCell> stationCells(const char* caption, const SheetStation& place) {
    return {{40, QString::fromUtf8(caption), true}, {55, sheetText(place.name), false},
            {15, QStringLiteral("X"), true},        {65, sheetText(place.x), false},
            {15, QStringLiteral("Y"), true},        {65, sheetText(place.y), false}};
}

// A signature: the caption and a line to sign on, `width` in all.
void paintSignature(QPainter& painter, double x, double width, const QString& caption) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double baseline = kSignatureTop + metrics.ascent();
    painter.drawText(QPointF(x, baseline), caption);
    const double lineStart = x + metrics.horizontalAdvance(caption) + 2;
    painter.drawLine(QPointF(lineStart, baseline + 2), QPointF(x + width - 20, baseline + 2));
}

}  // namespace

bool showsStation(const SheetFrame& frame) {
    return frame.station && frame.backsight;
}

// Captions on a light grey ground, centred; texts at the left.
void paintRuledLine(QPainter& painter, const QFont& font, double top, double height,
                    const std::vector<RuledCell>& cells) {
    const QFont body = sized(font, kTextSize);
    double x = kLeft;
    for (const RuledCell& cell : cells) {
        const QRectF box(x, top, cell.width, height);
        painter.setPen(QPen(Qt::black, 0.5));
        painter.setBrush(cell.caption ? QBrush(QColor(235, 235, 235)) : QBrush(Qt::NoBrush));
        painter.drawRect(box);
        paintFitted(painter, box, body, cell.text, cell.caption ? Align::Centre : Align::Left,
                    kSmallestSize);
        x += cell.width;
    }
    painter.setBrush(Qt::NoBrush);
}

// The header lines repeat on every page, so that a loose page still says what it belongs to.
void paintPageFrame(QPainter& painter, const QFont& font, const SheetFrame& frame, std::size_t page,
                    std::size_t pages) {
    painter.setPen(Qt::black);
    paintFitted(painter, QRectF(kLeft, kTitleTop, kContentWidth, kTitleHeight),
                sized(font, kTitleSize), frame.title, Align::Centre, kTitleSize);
    const QFont body = sized(font, kTextSize);
    const SheetHeader& h = frame.header;
    double top = kHeaderTop;
    paintRuledLine(painter, font, top, kHeaderLineHeight,
                   {{90, QStringLiteral("工程名称"), true}, {420, sheetText(h.project), false}});
    top += kHeaderLineHeight;
    paintRuledLine(painter, font, top, kHeaderLineHeight,
                   {{90, QStringLiteral("桩号及部位"), true}, {420, sheetText(h.part), false}});
    top += kHeaderLineHeight;
    paintRuledLine(painter, font, top, kHeaderLineHeight,
                   {{90, QStringLiteral("仪器型号及编号"), true},
                    {230, sheetText(h.instrument), false},
                    {45, QStringLiteral("日期"), true},
                    {145, sheetText(h.date), false}});
    top += kHeaderLineHeight;
    if (showsStation(frame)) {
        std::vector<RuledCell> cells = stationCells("测站", *frame.station);
        const std::vector<RuledCell> back = stationCells("后视", *frame.backsight);
        cells.insert(cells.end(), back.begin(), back.end());
        paintRuledLine(painter, font, top, kHeaderLineHeight, cells);
    }

    painter.setPen(QPen(Qt::black, 0.5));
    painter.setFont(body);
    const double share =
        kContentWidth / static_cast<double>(std::max<std::size_t>(1, frame.signatures.size()));
    for (std::size_t k = 0; k < frame.signatures.size(); ++k) {
        paintSignature(painter, kLeft + static_cast<double>(k) * share, share, frame.signatures[k]);
    }
    const QString number = QStringLiteral("第 %1 页 共 %2 页").arg(page).arg(pages);
    paintFitted(painter, QRectF(kLeft, kPageNumberTop, kContentWidth, 16), body, number,
                Align::Centre, kSmallestSize);
}

}  // namespace korvel
