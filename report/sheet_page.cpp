#include "report/sheet_page.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <string>
#include <vector>

#include "report/sheet_layout.h"
#include "report/sheet_text.h"
#include "report/slope_picture.h"

namespace korvel {
namespace {

// Point sizes: the title, the header's texts, the smallest any text is shrunk to.
constexpr double kTitleSize = 18.0;
constexpr double kTextSize = 10.0;
constexpr double kSmallestSize = 5.0;

// A cell of a ruled line: its width, its text, and whether it is a caption.
struct Cell {
    double width;
    QString text;
    bool caption;
};

// A UTF-8 text of the sheet as Qt holds it.
QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// `font` at `size` points.
QFont sized(QFont font, double size) {
    font.setPointSizeF(size);
    return font;
}

// One ruled line of cells from the left margin at `top`; captions on a light grey ground.
void paintLine(QPainter& painter, const QFont& font, double top, double height,
               const std::vector<Cell>& cells) {
    double x = kLeft;
    for (const Cell& cell : cells) {
        const QRectF box(x, top, cell.width, height);
        painter.setPen(QPen(Qt::black, 0.5));
        painter.setBrush(cell.caption ? QBrush(QColor(235, 235, 235)) : QBrush(Qt::NoBrush));
        painter.drawRect(box);
        paintFitted(painter, box, font, cell.text, cell.caption ? Align::Centre : Align::Left,
                    kSmallestSize);
        x += cell.width;
    }
    painter.setBrush(Qt::NoBrush);
}

// The station's or backsight's half of the header line: caption, name, X and Y.
std::vector<Cell> stationCells(const char* caption, const SheetStation& place) {
    return {{40, QString::fromUtf8(caption), true}, {55, text(place.name), false},
            {15, QStringLiteral("X"), true},        {65, text(place.x), false},
            {15, QStringLiteral("Y"), true},        {65, text(place.y), false}};
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

std::array<BoxCaption, 8> boxCaptions(bool stepMode) {
    return {{{"椭圆长轴a长", 0},
             {"椭圆短轴b长", 1},
             {"距路中距离D", 7},
             {"交 角 β", 2},
             {"路中点X坐标", 3},
             {"路中点Y坐标", 4},
             {"中点O方位角", 5},
             {stepMode ? "固定长度" : "固定角度", 6}}};
}

// The stake-out sheet names the three who sign for the staking.
SheetFrame stakeSheetFrame(const StakeSheet& sheet) {
    return {QStringLiteral("锥坡放样记录表"),
            sheet.header,
            sheet.station,
            sheet.backsight,
            {QStringLiteral("测量："), QStringLiteral("记录："), QStringLiteral("复核：")}};
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
    paintLine(painter, body, top, kHeaderLineHeight,
              {{90, QStringLiteral("工程名称"), true}, {420, text(h.project), false}});
    top += kHeaderLineHeight;
    paintLine(painter, body, top, kHeaderLineHeight,
              {{90, QStringLiteral("桩号及部位"), true}, {420, text(h.part), false}});
    top += kHeaderLineHeight;
    paintLine(painter, body, top, kHeaderLineHeight,
              {{90, QStringLiteral("仪器型号及编号"), true},
               {230, text(h.instrument), false},
               {45, QStringLiteral("日期"), true},
               {145, text(h.date), false}});
    top += kHeaderLineHeight;
    if (frame.station && frame.backsight) {
        std::vector<Cell> cells = stationCells("测站", *frame.station);
        const std::vector<Cell> back = stationCells("后视", *frame.backsight);
        cells.insert(cells.end(), back.begin(), back.end());
        paintLine(painter, body, top, kHeaderLineHeight, cells);
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

// Two captions and texts to a line: the window's left column of boxes, then its right one,
// then the mode, the quarter, the toe's elevation and the names' prefix.
void paintParameters(QPainter& painter, const QFont& font, const StakeSheet& sheet, double top) {
    const QFont body = sized(font, kTextSize);
    const std::array<BoxCaption, 8> boxes = boxCaptions(sheet.stepMode);
    std::vector<std::pair<QString, QString>> items;
    for (const BoxCaption& box : boxes) {
        items.emplace_back(QString::fromUtf8(box.caption),
                           text(sheet.texts[static_cast<std::size_t>(box.text)]));
    }
    const int position = static_cast<int>(sheet.position) + 1;
    items.emplace_back(QStringLiteral("计算方式"), sheet.stepMode ? QStringLiteral("按步长计算")
                                                                  : QStringLiteral("按角值计算"));
    items.emplace_back(QStringLiteral("放样位置"), QStringLiteral("位置%1").arg(position));
    items.emplace_back(QStringLiteral("坡脚高程"), text(sheet.elevation));
    items.emplace_back(QStringLiteral("点名前缀"), text(sheet.prefix));
    // Left column: a, b, D, β, mode, elevation; right column: X, Y, azimuth, step, position,
    // prefix.
    constexpr std::size_t kLeftItems[] = {0, 1, 2, 3, 8, 10};
    constexpr std::size_t kRightItems[] = {4, 5, 6, 7, 9, 11};
    for (int line = 0; line < kParameterLines; ++line) {
        const auto& l = items[kLeftItems[line]];
        const auto& r = items[kRightItems[line]];
        paintLine(painter, body, top + line * kParameterLineHeight, kParameterLineHeight,
                  {{100, l.first, true},
                   {155, l.second, false},
                   {100, r.first, true},
                   {155, r.second, false}});
    }
}

// The parameters under the header, then the drawing under them, as wide as the page's text.
void paintFirstPageBlocks(QPainter& painter, const QFont& font, const StakeSheet& sheet,
                          bool withStation) {
    const double top = headerBottom(withStation) + kBlockGap;
    paintParameters(painter, font, sheet, top);
    const double pictureTop = top + kParameterLineHeight * kParameterLines + kBlockGap;
    paintSlopePicture(painter, QRectF(kLeft, pictureTop, kContentWidth, kDrawingHeight),
                      sheet.drawing, font);
}

}  // namespace korvel
