#include "report/sheet_blocks.h"

#include <QPainter>
#include <string>
#include <utility>

#include "core/decimal.h"
#include "report/sheet_frame.h"
#include "report/sheet_layout.h"
#include "report/sheet_text.h"
#include "report/slope_picture.h"

namespace korvel {
namespace {

// The closing blocks: the tolerance and the summary a line each, then the two boxes to
// write the conclusions in, side by side, three or four handwritten lines high.
constexpr double kClosingLineHeight = 16.0;
constexpr double kConclusionHeight = 64.0;
constexpr double kConclusionGap = 10.0;
static_assert(kConclusionBlockHeight == 2 * kClosingLineHeight + kBlockGap + kConclusionHeight);
constexpr double kClosingTextSize = 10.0;
constexpr double kClosingSmallestSize = 5.0;

// `font` at the closing blocks' size.
QFont closingFont(QFont font) {
    font.setPointSizeF(kClosingTextSize);
    return font;
}

// A box with its caption in its top left corner and room to write under it.
void paintConclusionBox(QPainter& painter, const QFont& font, const QRectF& box,
                        const QString& caption) {
    painter.setPen(QPen(Qt::black, 0.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box);
    paintFitted(painter, QRectF(box.left(), box.top(), box.width(), kClosingLineHeight + 2), font,
                caption, Align::Left, kClosingSmallestSize);
}

// The tolerance, the summary and the two conclusion boxes, from `top` down.
void paintConclusion(QPainter& painter, const QFont& font, const QString& tolerance,
                     const QString& summary, double top) {
    const QFont body = closingFont(font);
    painter.setPen(Qt::black);
    paintFitted(painter, QRectF(kLeft, top, kContentWidth, kClosingLineHeight), body, tolerance,
                Align::Left, kClosingSmallestSize);
    paintFitted(painter, QRectF(kLeft, top + kClosingLineHeight, kContentWidth, kClosingLineHeight),
                body, summary, Align::Left, kClosingSmallestSize);
    const double boxTop = top + 2 * kClosingLineHeight + kBlockGap;
    const double boxWidth = (kContentWidth - kConclusionGap) / 2;
    paintConclusionBox(painter, body, QRectF(kLeft, boxTop, boxWidth, kConclusionHeight),
                       QStringLiteral("自检结论："));
    paintConclusionBox(
        painter, body,
        QRectF(kLeft + boxWidth + kConclusionGap, boxTop, boxWidth, kConclusionHeight),
        QStringLiteral("监理意见："));
}

// Two captions and texts to a line: the window's left column of boxes, then its right one,
// then the mode, the quarter, the toe's elevation and the names' prefix.
void paintParameters(QPainter& painter, const QFont& font, const StakeSheet& sheet, double top) {
    const std::array<BoxCaption, 8> boxes = boxCaptions(sheet.stepMode);
    std::vector<std::pair<QString, QString>> items;
    for (const BoxCaption& box : boxes) {
        items.emplace_back(QString::fromUtf8(box.caption),
                           sheetText(sheet.texts[static_cast<std::size_t>(box.text)]));
    }
    const int position = static_cast<int>(sheet.position) + 1;
    items.emplace_back(QStringLiteral("计算方式"), sheet.stepMode ? QStringLiteral("按步长计算")
                                                                  : QStringLiteral("按角值计算"));
    items.emplace_back(QStringLiteral("放样位置"), QStringLiteral("位置%1").arg(position));
    items.emplace_back(QStringLiteral("坡脚高程"), sheetText(sheet.elevation));
    items.emplace_back(QStringLiteral("点名前缀"), sheetText(sheet.prefix));
    // Left column: a, b, D, β, mode, elevation; right column: X, Y, azimuth, step, position,
    // prefix.
    constexpr std::size_t kLeftItems[] = {0, 1, 2, 3, 8, 10};
    constexpr std::size_t kRightItems[] = {4, 5, 6, 7, 9, 11};
    for (int line = 0; line < kParameterLines; ++line) {
        const auto& l = items[kLeftItems[line]];
        const auto& r = items[kRightItems[line]];
        paintRuledLine(painter, font, top + line * kParameterLineHeight, kParameterLineHeight,
                       {{100, l.first, true},
                        {155, l.second, false},
                        {100, r.first, true},
                        {155, r.second, false}});
    }
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

SheetBlock parametersBlock(const StakeSheet& sheet) {
    return {kParameterLineHeight * kParameterLines,
            [&sheet](QPainter& painter, const QFont& font, double top) {
                paintParameters(painter, font, sheet, top);
            }};
}

SheetBlock drawingBlock(const StakeSheet& sheet) {
    return {kDrawingHeight, [&sheet](QPainter& painter, const QFont& font, double top) {
                paintSlopePicture(painter, QRectF(kLeft, top, kContentWidth, kDrawingHeight),
                                  sheet.drawing, font);
            }};
}

// The texts are made now, so the block needs nothing of `heights` once made.
SheetBlock heightsBlock(const SlopeInHeight& heights) {
    const SlopeBody& body = heights.body;
    const QString top = sheetText(formatFixed(body.top, 3));
    const QString height = sheetText(formatFixed(body.height, 3));
    const QString slopes = sheetText(slopeRatioText(body.m) + " / " + slopeRatioText(body.n));
    return {kParameterLineHeight, [=](QPainter& painter, const QFont& font, double at) {
                paintRuledLine(painter, font, at, kParameterLineHeight,
                               {{70, QStringLiteral("锥坡高程"), true},
                                {60, QStringLiteral("坡顶高程"), true},
                                {75, top, false},
                                {40, QStringLiteral("坡高"), true},
                                {70, height, false},
                                {40, QStringLiteral("坡率"), true},
                                {155, slopes, false}});
            }};
}

SheetBlock quantitiesBlock(const SlopeQuantities& quantities) {
    std::vector<RuledCell> cells = {{70, QStringLiteral("工程量"), true}};
    for (const QuantityText& q : quantityTexts(quantities)) {
        cells.push_back({50, sheetText(q.caption), true});
        cells.push_back({60, sheetText(q.value + " " + q.unit), false});
    }
    return {kParameterLineHeight, [cells](QPainter& painter, const QFont& font, double top) {
                paintRuledLine(painter, font, top, kParameterLineHeight, cells);
            }};
}

SheetBlock conclusionBlock(const std::string& toleranceLine, const std::string& summary) {
    const QString tolerance = sheetText(toleranceLine);
    const QString sum = sheetText(summary);
    return {kConclusionBlockHeight, [=](QPainter& painter, const QFont& font, double top) {
                paintConclusion(painter, font, tolerance, sum, top);
            }};
}

std::vector<SheetBlock> openingBlocks(const StakeSheet& sheet) {
    std::vector<SheetBlock> blocks = {parametersBlock(sheet), drawingBlock(sheet)};
    if (sheet.heights) {
        blocks.push_back(heightsBlock(*sheet.heights));
        blocks.push_back(quantitiesBlock(sheet.heights->quantities));
    }
    return blocks;
}

}  // namespace korvel
