// The check sheet read back with poppler-utils: A4, embedded fonts, the title, the header and
// the four signatures on every page, the check's rows in order with their verdicts across
// pages, and the tolerance, the summary and the two conclusion boxes after the table.
#include "report/check_sheet.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/geometry.h"
#include "files/drawing/slope_drawing.h"
#include "poppler.h"
#include "report/sheet_blocks.h"
#include "report/sheet_layout.h"
#include "sheet_rows.h"

namespace korvel {
namespace {

using test::lineWith;
using test::pageTexts;

// The worked example's inputs, step mode, 位置2.
const CalcInput kWorkedInput{12.5, 6, 60.3, 3000, 5000, 45.153, 2.5, 4.25};

// The pegs of `design` named L2-n: every 7th missed, every 4th 80 mm north, the rest 3 mm
// east; then two pegs of no design point.
FieldPoints pegsFor(const std::vector<StakeRow>& design) {
    std::vector<FieldPoint> pegs;
    for (const StakeRow& row : design) {
        if (row.number % 7 == 0) {
            continue;
        }
        const double x =
            QString::fromStdString(row.x).toDouble() + (row.number % 4 == 0 ? 0.08 : 0);
        const double y =
            QString::fromStdString(row.y).toDouble() + (row.number % 4 == 0 ? 0 : 0.003);
        const StakeRow moved = makeStakeRow(row.number, x, y);
        pegs.push_back({pointName("L2-", row), moved.x, moved.y, ""});
    }
    pegs.push_back({"K9", "2990.5", "5001", ""});
    pegs.push_back({"检查点", "2991", "5002.25", ""});
    return fieldPointsOf(std::move(pegs));
}

// The check sheet of the `design` rows with the worked example's header and parameters.
CheckSheet checkSheetOf(const std::vector<StakeRow>& design) {
    CheckSheet sheet;
    StakeSheet& s = sheet.sheet;
    s.header = {"G15 沈海高速 第3标段", "K12+345 左幅", "Leica TS06 No.1234567", "2026-12-07"};
    s.texts = {"12.5", "6", "60.3", "3000", "5000", "45.153", "2.5", "4.25"};
    s.position = SlopePosition::Position2;
    s.elevation = "152.340";
    s.prefix = "L2-";
    const NamedPoints lines[] = {{s.prefix, s.elevation, design}};
    s.drawing = layOutSlope(lines, slopeOutline(kWorkedInput, SlopePosition::Position2)).drawing;
    sheet.report.check = checkStakeOut(design, s.prefix, pegsFor(design), Tolerance{});
    sheet.report.summary = checkSummary(sheet.report.check, 1, 0);
    return sheet;
}

// The words a row's line reads: its printed cells, "▲ 超限" as two words.
QStringList rowWords(const StakeCheck& check, const CheckRow& row) {
    QStringList words;
    for (const QString& cell : checkTableRow(check, row).cells) {
        words << cell.split(' ', Qt::SkipEmptyParts);
    }
    return words;
}

// Renders `sheet` and checks every page: the document, the frame, the table's header row, the
// rows in order and, after the last row, the closing blocks; returns the pages' texts.
QStringList expectCheckSheet(const CheckSheet& sheet, const QTemporaryDir& dir) {
    const SheetPdf made = renderCheckSheet(sheet);
    EXPECT_FALSE(made.problem) << problemText(made.problem);
    const QString path = test::writePdf(made.pdf, dir);
    const int pages = test::expectA4WithEmbeddedFonts(path, QStringLiteral("锥坡放样复核记录表"));
    const QStringList texts = pageTexts(path);
    EXPECT_EQ(texts.size(), pages);
    const std::vector<CheckRow>& rows = sheet.report.check.rows;
    std::size_t row = 0;
    for (int k = 0; k < texts.size(); ++k) {
        const QString& page = texts[k];
        SCOPED_TRACE("page " + std::to_string(k + 1));
        EXPECT_TRUE(page.contains("锥坡放样复核记录表"));
        EXPECT_TRUE(page.contains(QString::fromStdString(sheet.sheet.header.project)));
        EXPECT_TRUE(page.contains(lineWith({"测量：", "记录：", "复核：", "监理："})));
        EXPECT_TRUE(page.contains(QString("第 %1 页 共 %2 页").arg(k + 1).arg(pages)));
        qsizetype from = 0;
        if (row < rows.size()) {
            EXPECT_TRUE(page.contains(lineWith({"点名", "设计X", "设计Y", "实测X", "实测Y",
                                                "ΔX(mm)", "ΔY(mm)", "偏差(mm)", "结果"})));
        }
        for (; row < rows.size(); ++row) {
            const QRegularExpressionMatch m =
                lineWith(rowWords(sheet.report.check, rows[row])).match(page, from);
            if (!m.hasMatch()) {
                break;
            }
            from = m.capturedEnd();
        }
        const bool closes = k + 1 == texts.size();
        const QStringList closing = {"允许偏差：50 mm",
                                     QString::fromStdString(sheet.report.summary), "自检结论：",
                                     "监理意见："};
        for (const QString& text : closing) {
            const qsizetype at = page.indexOf(text, from);
            EXPECT_EQ(at >= 0, closes) << text.toStdString();
            from = std::max(from, at);
        }
    }
    EXPECT_EQ(row, rows.size()) << "row " << row + 1 << " not found in order";
    return texts;
}

// The worked example's points and two stray pegs checked on one page: each verdict reads as
// its word, the 超限 row behind its marker.
TEST(CheckSheet, WorkedCheckOnOnePage) {
    const CheckSheet sheet = checkSheetOf(test::kWorkedRows);
    ASSERT_EQ(sheet.report.check.beyond, 1);
    ASSERT_EQ(sheet.report.check.notMeasured, 1);
    ASSERT_EQ(sheet.report.check.noDesign, 2);
    const QTemporaryDir dir;
    const QStringList pages = expectCheckSheet(sheet, dir);
    ASSERT_EQ(pages.size(), 1);
    for (const char* word : {"合格", "未测", "无设计点", "示意图", "按步长计算", "位置2"}) {
        EXPECT_TRUE(pages[0].contains(QString::fromUtf8(word))) << word;
    }
    EXPECT_EQ(pages[0].count(lineWith({"80.0", "0.0", "80.0", "▲", "超限"})), 1);
    EXPECT_TRUE(pages[0].contains(lineWith({"检查点", "2991.000", "5002.250", "无设计点"})));
}

// Where the check's table starts on the first page: under the parameters and the drawing.
double firstTableTop() {
    return stackBlocks(headerBottom(false),
                       {kParameterLineHeight * kParameterLines, kDrawingHeight})
        .bottom;
}

// A few hundred rows over many pages, and a table that fills the first page so that the
// closing blocks take a page of their own.
TEST(CheckSheet, RowsRunOverPagesAndTheClosingFollows) {
    const int fillFirstPage = static_cast<int>(rowsBetween(firstTableTop())) - 2;
    for (const int rows : {400, fillFirstPage}) {
        SCOPED_TRACE(std::to_string(rows) + " design rows");
        const CheckSheet sheet = checkSheetOf(test::spiralRows(rows));
        const std::vector<PagePlan> plan =
            planPages(sheet.report.check.rows.size(), firstTableTop(), laterTableTop(false),
                      kConclusionBlockHeight);
        const QTemporaryDir dir;
        EXPECT_EQ(static_cast<std::size_t>(expectCheckSheet(sheet, dir).size()), plan.size());
        EXPECT_GE(plan.size(), 2u);
    }
}

// The page plan: the table's pages as pageCount shares them, the closing under the last row
// or on a page of its own.
TEST(CheckSheet, PagePlans) {
    struct Case {
        std::size_t rows;
        double closing;
        std::size_t pages;
        bool ownPage;
    };
    const std::size_t firstRows = rowsBetween(firstTableTop());
    const std::size_t laterRows = rowsBetween(laterTableTop(false));
    const Case cases[] = {
        {0, 0, 1, false},
        {7, 0, 1, false},
        {7, kConclusionBlockHeight, 1, false},
        {firstRows, kConclusionBlockHeight, 2, true},
        {firstRows + 1, kConclusionBlockHeight, 2, false},
        {firstRows + laterRows, kConclusionBlockHeight, 3, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rows);
        const std::vector<PagePlan> plan =
            planPages(c.rows, firstTableTop(), laterTableTop(false), c.closing);
        ASSERT_EQ(plan.size(), c.pages);
        EXPECT_EQ(plan.back().table, !c.ownPage);
        EXPECT_EQ(plan.back().closing, c.closing > 0);
        EXPECT_LE(plan.back().closingTop + c.closing, kTableBottom);
        std::size_t next = 0;
        for (const PagePlan& page : plan) {
            EXPECT_EQ(page.first, next);
            next += page.count;
        }
        EXPECT_EQ(next, c.rows);
    }
}

// A header text over 60 characters is refused; a save names its file.
TEST(CheckSheet, RefusalsNameTheirFile) {
    CheckSheet sheet = checkSheetOf(test::kWorkedRows);
    sheet.sheet.station = SheetStation{"S1", "3000", "5000"};  // not printed, so not asked
    EXPECT_FALSE(renderCheckSheet(sheet).problem);
    sheet.sheet.header.part = std::string(61, 'K');
    const SheetPdf refused = renderCheckSheet(sheet);
    EXPECT_EQ(refused.problem.code, ProblemCode::HeaderTextTooLong);
    EXPECT_EQ(refused.problem.subject, "桩号及部位");
    EXPECT_TRUE(refused.pdf.isEmpty());
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("复核.pdf"));
    const Problem saved = saveCheckSheet(path, sheet);
    EXPECT_EQ(saved.code, ProblemCode::HeaderTextTooLong);
    EXPECT_EQ(saved.file, QDir::toNativeSeparators(path).toStdString());
    EXPECT_EQ(saveCheckSheet(dir.path(), checkSheetOf(test::kWorkedRows)).code,
              ProblemCode::NotRegularFile);
    EXPECT_FALSE(saveCheckSheet(path, checkSheetOf(test::kWorkedRows)));
    EXPECT_TRUE(QFile::exists(path));
}

}  // namespace
}  // namespace korvel
