// The face check's sheet read back with poppler-utils: A4, embedded fonts, the title, the
// header and four signatures on every page, the slope's heights on the first, the shots' rows
// in order with their marks across pages, and the tolerance, the summary and the conclusion
// boxes after the table.
#include "report/face_sheet.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cmath>

#include "core/decimal.h"
#include "core/run.h"
#include "poppler.h"
#include "report/sheet_request.h"

namespace korvel {
namespace {

using test::lineWith;
using test::pageTexts;

// The worked example raised from 100 to 104 (1:2, 1:1), as "放样记录表" makes its sheet.
StakeSheet raisedSheet() {
    ListedRun run;
    run.texts = {"12.5", "6", "60.3", "3000", "5000", "45.153", "2.5", "4.25"};
    run.selection = Selection{true, {false, true, false, false}};
    const RunResult result = runCalculation(run.texts, run.selection);
    run.rows = result.rows;
    run.outline = result.outline;
    TypedSheet typed;
    typed.header = {"G15 沈海高速 第3标段", "K12+345 左幅", "Leica TS06 No.1234567", "2026-12-07"};
    typed.points = {"100", "L2-"};
    typed.heights = {"104", "2", "1", ""};
    SheetRequest request = makeStakeSheet(typed, run);
    EXPECT_FALSE(request.problem) << problemText(request.problem);
    return std::move(request.sheet);
}

// `count` shots spread over the slope's plan, every 5th 80 mm high and every 7th 70 mm low of
// its design, a few beyond the toe.
FaceSheet faceSheet(int count) {
    FaceSheet sheet{raisedSheet(), {}};
    const SlopeBody& body = sheet.sheet.heights->body;
    std::vector<SlopeShot> shots;
    for (int k = 0; k < count; ++k) {
        const double s = 13.0 * std::fmod(k * 0.37, 1.0), t = 6.5 * std::fmod(k * 0.61, 1.0);
        const StakePoint at = planPointOf(body, {s, t});
        const DesignHeight d = designHeight(body, at);
        const double off = k % 5 == 0 ? 0.08 : k % 7 == 0 ? -0.07 : 0.004;
        shots.push_back({std::string("S").append(std::to_string(k + 1)), formatFixed(at.x, 3),
                         formatFixed(at.y, 3), formatFixed(d.elevation + off, 3)});
    }
    sheet.report = makeFaceReport(body, shots, 0, Tolerance{});
    plotShots(sheet.sheet.drawing, sheet.report);
    return sheet;
}

TEST(FaceSheet, ReadsBackAcrossPages) {
    for (const int count : {5, 150}) {
        SCOPED_TRACE(std::to_string(count) + " shots");
        const FaceSheet sheet = faceSheet(count);
        const SheetPdf made = renderFaceSheet(sheet);
        ASSERT_FALSE(made.problem) << problemText(made.problem);
        const QTemporaryDir dir;
        const QString path = test::writePdf(made.pdf, dir);
        const int pages =
            test::expectA4WithEmbeddedFonts(path, QStringLiteral("锥坡坡面高程检测表"));
        const QStringList texts = pageTexts(path);
        ASSERT_EQ(texts.size(), pages);
        EXPECT_EQ(pages > 1, count > 5);
        EXPECT_TRUE(texts[0].contains(lineWith({"锥坡高程", "坡顶高程", "104.000"})));
        EXPECT_TRUE(texts[0].contains(lineWith({"坡脚高程", "100.000"})));
        std::size_t row = 0;
        for (int p = 0; p < pages; ++p) {
            const QString& page = texts[p];
            EXPECT_TRUE(page.contains(QStringLiteral("锥坡坡面高程检测表")));
            EXPECT_TRUE(page.contains(lineWith({"测量：", "记录：", "复核：", "监理："})));
            EXPECT_TRUE(page.contains(QString("第 %1 页 共 %2 页").arg(p + 1).arg(pages)));
            qsizetype from = 0;
            for (; row < sheet.report.check.rows.size(); ++row) {
                QStringList words;
                for (const QString& cell :
                     faceTableRow(sheet.report.check, sheet.report.check.rows[row]).cells) {
                    words << cell.split(' ', Qt::SkipEmptyParts);
                }
                const QRegularExpressionMatch m = lineWith(words).match(page, from);
                if (!m.hasMatch()) {
                    break;
                }
                from = m.capturedEnd();
            }
        }
        EXPECT_EQ(row, sheet.report.check.rows.size()) << "row " << row + 1 << " out of order";
        EXPECT_TRUE(texts.back().contains(QStringLiteral("允许偏差：50 mm")));
        EXPECT_TRUE(texts.back().contains(QString::fromStdString(sheet.report.summary)));
        EXPECT_TRUE(texts.back().contains(lineWith({"自检结论：", "监理意见："})));
    }
}

// The rows' looks: ▲ and ▼ marked, shots off the face faint, the rest plain.
TEST(FaceSheet, RowLooks) {
    const FaceSheet sheet = faceSheet(40);
    int marked = 0, faint = 0;
    for (const FaceRow& row : sheet.report.check.rows) {
        const TableRow printed = faceTableRow(sheet.report.check, row);
        const QString verdict = printed.cells.back();
        switch (row.verdict) {
            case FaceVerdict::High:
                EXPECT_EQ(verdict, QStringLiteral("▲ 偏高"));
                EXPECT_EQ(printed.look, RowLook::Marked);
                ++marked;
                break;
            case FaceVerdict::Low:
                EXPECT_EQ(verdict, QStringLiteral("▼ 偏低"));
                EXPECT_EQ(printed.look, RowLook::Marked);
                ++marked;
                break;
            case FaceVerdict::BeyondToe:
            case FaceVerdict::Outside:
                EXPECT_EQ(printed.look, RowLook::Faint);
                ++faint;
                break;
            case FaceVerdict::Within:
                EXPECT_EQ(printed.look, RowLook::Plain);
                break;
        }
    }
    EXPECT_GT(marked, 5);
    EXPECT_GT(faint, 0);
    // Every shot in the drawing's box is plotted on the layer of its result.
    int plotted = 0;
    for (const DrawingEntity& e : sheet.sheet.drawing.entities) {
        if (const auto* p = std::get_if<DrawingPoint>(&e)) {
            plotted += p->layer == Layer::ShotWithin || p->layer == Layer::ShotHigh ||
                       p->layer == Layer::ShotLow || p->layer == Layer::ShotOff;
        }
    }
    EXPECT_GE(plotted, 25);
}

}  // namespace
}  // namespace korvel
