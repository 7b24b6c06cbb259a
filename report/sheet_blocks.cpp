#include "report/sheet_blocks.h"

#include <QPainter>
#include <string>
#include <utility>

#include "core/decimal.h"
#include "report/sheet_frame.h"
#include "report/sheet_layout.h"
#include "report/slope_picture.h"

namespace korvel {
namespace {

// A UTF-8 text of the sheet as Qt holds it.
QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// Two captions and texts to a line: the window's left column of boxes, then its right one,
// then the mode, the quarter, the toe's elevation and the names' prefix.
void paintParameters(QPainter& painter, const QFont& font, const StakeSheet& sheet, double top) {
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
    const QString top = text(formatFixed(body.top, 3));
    const QString height = text(formatFixed(body.height, 3));
    const QString slopes = text(slopeRatioText(body.m) + " / " + slopeRatioText(body.n));
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
        cells.push_back({50, text(q.caption), true});
        cells.push_back({60, text(q.value + " " + q.unit), false});
    }
    return {kParameterLineHeight, [cells](QPainter& painter, const QFont& font, double top) {
                paintRuledLine(painter, font, top, kParameterLineHeight, cells);
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
