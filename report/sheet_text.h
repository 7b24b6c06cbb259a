// Texts painted into the boxes of the sheet so that none runs out of its box: a text too
// wide is first set smaller, down to a smallest size, and then cut short with "…".
#pragma once

#include <QFont>
#include <QRectF>
#include <QString>
#include <string>

class QPainter;
class QPaintDevice;

namespace korvel {

// A text, the font it fits its width in, and its width as painted, in points.
struct FittedText {
    QFont font;
    QString text;
    double width = 0;
};

// `text` in `font` fitted into `width` points as measured on `device`: as it is when it fits;
// else in the largest size from the font's own down to `smallestPointSize` in which it fits;
// else at the smallest size, cut short at the right with "…" (Qt's elision).
//   ("K12+345 左幅", 10 pt, 200 wide) -> as it is, 10 pt
//   (60 x "工", 10 pt, 400 wide, smallest 6) -> 60 x "工" at about 6.6 pt
//   (60 x "工", 10 pt, 200 wide, smallest 6) -> "工工…" cut to 200 points, 6 pt
// The painted text's width is at most `width` (0 when `width` is 0 or less).
FittedText fitText(const QFont& font, const QString& text, double width, double smallestPointSize,
                   const QPaintDevice* device);

// A UTF-8 text of the sheet as Qt holds it.
//   "K12+345 左幅" -> the same characters in a QString
inline QString sheetText(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// How a text sits in its box: at the left or right with a small padding, or centred.
enum class Align { Left, Centre, Right };

// The padding left and right of a text inside its box, in points.
inline constexpr double kTextPadding = 3.0;

// Paints `text` fitted into `box` less its padding, centred vertically; returns nothing, the
// painter's font is left as `font` was fitted.
void paintFitted(QPainter& painter, const QRectF& box, const QFont& font, const QString& text,
                 Align align, double smallestPointSize);

}  // namespace korvel
