#include "report/sheet_pdf.h"

#include <QBuffer>
#include <QDir>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <utility>

#include "files/save.h"
#include "report/sheet_font.h"
#include "report/sheet_layout.h"

#ifndef KORVEL_VERSION
#define KORVEL_VERSION "0"
#endif

namespace korvel {
namespace {

// PostScript points: the painter's unit is the point, as in sheet_layout.h.
constexpr int kPointsPerInch = 72;

// The heights of `blocks`, for the layout.
std::vector<double> heightsOf(const std::vector<SheetBlock>& blocks) {
    std::vector<double> heights;
    for (const SheetBlock& block : blocks) {
        heights.push_back(block.height);
    }
    return heights;
}

// Paints `blocks` stacked from `top`, the first a gap under it.
void paintBlocks(QPainter& painter, const QFont& font, const std::vector<SheetBlock>& blocks,
                 const BlockStack& stack) {
    for (std::size_t k = 0; k < blocks.size(); ++k) {
        blocks[k].paint(painter, font, stack.tops[k]);
    }
}

// The pages as planPages lays them out; every page gets its frame.
void paintPages(QPdfWriter& writer, QPainter& painter, const QFont& font, const PagedSheet& sheet) {
    const bool withStation = showsStation(sheet.frame);
    const BlockStack opening = stackBlocks(headerBottom(withStation), heightsOf(sheet.opening));
    const std::vector<double> closing = heightsOf(sheet.closing);
    const std::vector<PagePlan> plan =
        planPages(sheet.rowCount, opening.bottom, laterTableTop(withStation), stackHeight(closing));
    for (std::size_t page = 0; page < plan.size(); ++page) {
        if (page > 0) {
            writer.newPage();
        }
        paintPageFrame(painter, font, sheet.frame, page + 1, plan.size());
        if (page == 0) {
            paintBlocks(painter, font, sheet.opening, opening);
        }
        const PagePlan& p = plan[page];
        if (p.table) {
            paintTable(painter, font, sheet.columns, p.tableTop, sheet.rows(p.first, p.count));
        }
        if (p.closing) {
            // planPages gives the first closing block's top; the stack starts a gap above it.
            paintBlocks(painter, font, sheet.closing,
                        stackBlocks(p.closingTop - kBlockGap, closing));
        }
    }
}

}  // namespace

// QPdfWriter writes the finished pages into the buffer; the painter's unit is the point, so
// the layout's numbers go straight onto the page, which has no margins of its own.
SheetPdf renderPagedSheet(const PagedSheet& sheet) {
    const SheetFont font = loadSheetFont();
    if (font.problem) {
        return {{}, font.problem};
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPointsPerInch);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0), QPageLayout::Point));
        writer.setTitle(sheet.frame.title);
        writer.setCreator(QStringLiteral("Korvel " KORVEL_VERSION));
        QPainter painter;
        if (!painter.begin(&writer)) {
            return {{}, problemAbout(ProblemCode::CannotMakePdf)};
        }
        painter.setRenderHint(QPainter::Antialiasing);
        QFont base(font.family);
        base.setPointSizeF(10);
        paintPages(writer, painter, base, sheet);
        if (!painter.end()) {
            return {{}, problemAbout(ProblemCode::CannotMakePdf)};
        }
    }
    buffer.close();
    return {std::move(bytes), {}};
}

// A refusal names the file it was meant for; a painted sheet goes through the atomic save.
Problem savePdf(const QString& path, const SheetPdf& pdf) {
    if (pdf.problem) {
        Problem problem = pdf.problem;
        problem.file = QDir::toNativeSeparators(path).toStdString();
        return problem;
    }
    return saveFileAtomically(path, pdf.pdf);
}

}  // namespace korvel
