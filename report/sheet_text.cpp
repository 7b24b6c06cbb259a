#include "report/sheet_text.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <algorithm>

namespace korvel {
namespace {

// A blank is painted at least this wide, in ems: a PDF reader's text extraction takes a
// gap under about 0.45 em between Chinese characters for no gap at all ("交 角 β" would read
// "交角β").
constexpr double kBlankEms = 0.5;

// The width added to each blank of `font` beyond its own.
double blankExtra(const QFontMetricsF& metrics, const QFont& font) {
    return std::max(0.0, kBlankEms * font.pointSizeF() - metrics.horizontalAdvance(QChar(' ')));
}

// The text's width as painted: its advance plus the widening of its blanks.
double paintedWidth(const QFont& font, const QString& text, const QPaintDevice* device) {
    const QFontMetricsF metrics(font, device);
    const double wide = metrics.horizontalAdvance(text);
    const qsizetype blanks = text.count(QChar(' '));
    return blanks == 0 ? wide : wide + static_cast<double>(blanks) * blankExtra(metrics, font);
}

// `font` at `size` points.
QFont sized(QFont font, double size) {
    font.setPointSizeF(size);
    return font;
}

// `text` cut at the right with "…" so that its painted width is at most `width`.
QString elided(const QFont& font, const QString& text, double width, const QPaintDevice* device) {
    const QFontMetricsF metrics(font, device);
    const double blanks = static_cast<double>(text.count(QChar(' '))) * blankExtra(metrics, font);
    QString cut = metrics.elidedText(text, Qt::ElideRight, std::max(0.0, width - blanks));
    while (!cut.isEmpty() && paintedWidth(font, cut, device) > width) {
        cut.chop(1);
    }
    return cut;
}

}  // namespace

// Glyph widths scale with the size but hinting and rounding do not quite, so a size worked
// out in proportion is checked and, when it still runs over, stepped down by 3 % at a time.
FittedText fitText(const QFont& font, const QString& text, double width, double smallestPointSize,
                   const QPaintDevice* device) {
    const double natural = paintedWidth(font, text, device);
    if (natural <= width) {
        return {font, text, natural};
    }
    if (width <= 0) {
        return {font, QString(), 0};
    }
    double size = font.pointSizeF() * width / natural;
    while (size >= smallestPointSize) {
        const QFont smaller = sized(font, size);
        if (const double wide = paintedWidth(smaller, text, device); wide <= width) {
            return {smaller, text, wide};
        }
        size *= 0.97;
    }
    const QFont smallest = sized(font, smallestPointSize);
    const QString cut = elided(smallest, text, width, device);
    return {smallest, cut, paintedWidth(smallest, cut, device)};
}

// The baseline lies so that the font's ascent and descent are centred in the box. A text
// with blanks is painted word by word, each blank widened as paintedWidth measures it.
void paintFitted(QPainter& painter, const QRectF& box, const QFont& font, const QString& text,
                 Align align, double smallestPointSize) {
    const QRectF inner = box.adjusted(kTextPadding, 0, -kTextPadding, 0);
    const FittedText fitted =
        fitText(font, text, inner.width(), smallestPointSize, painter.device());
    const QFontMetricsF metrics(fitted.font, painter.device());
    const double wide = fitted.width;
    double x = inner.left();
    if (align == Align::Right) {
        x = inner.right() - wide;
    } else if (align == Align::Centre) {
        x = inner.left() + (inner.width() - wide) / 2;
    }
    x = std::max(x, inner.left());
    const double baseline = box.center().y() + (metrics.ascent() - metrics.descent()) / 2;
    painter.setFont(fitted.font);
    if (!fitted.text.contains(QChar(' '))) {
        painter.drawText(QPointF(x, baseline), fitted.text);
        return;
    }
    const double blank = metrics.horizontalAdvance(QChar(' ')) + blankExtra(metrics, fitted.font);
    for (const QString& word : fitted.text.split(QChar(' '))) {
        if (!word.isEmpty()) {
            painter.drawText(QPointF(x, baseline), word);
        }
        x += metrics.horizontalAdvance(word) + blank;
    }
}

}  // namespace korvel
