// The stake-out sheet read back with poppler-utils, which nobody here wrote: page sizes and
// metadata (pdfinfo), embedded fonts (pdffonts), and the text as a reader extracts it
// (pdftotext), for the worked example and for a list of hundreds of rows.
#include "report/stake_sheet.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>

#include "core/geometry.h"
#include "core/polar.h"
#include "core/run.h"
#include "core/slope_quantities.h"
#include "poppler.h"
#include "report/sheet_font.h"
#include "report/sheet_request.h"
#include "report/sheet_text.h"
#include "sheet_rows.h"

namespace korvel {
namespace {

using test::lineWith;
using test::pageTexts;
using test::run;

// A drawing place from its northing and easting.
DrawingPlace place(double north, double east) {
    return {east, north, {}, {}, {}};
}

// A drawing made by hand as the DXF file draws the worked example's slope: the points and
// their names, the toe line, O, the road with its arrowhead forward, and the two axes, from
// the outline of the run (core/geometry.h).
Drawing handDrawing(const std::vector<StakeRow>& rows, const std::string& prefix) {
    const CalcInput input{12.5, 6, 60.3, 3000, 5000, 45.153, 2.5, 4.25};
    const SlopeOutline outline = slopeOutline(input, SlopePosition::Position2);
    const auto at = [](StakePoint p) { return place(p.x, p.y); };
    const auto along = [](DrawingPlace from, double azimuth, double length) {
        return place(from.north + std::cos(azimuth) * length,
                     from.east + std::sin(azimuth) * length);
    };
    Drawing d;
    std::vector<DrawingPlace> toe;
    for (const StakeRow& row : rows) {
        const DrawingPlace p = place(std::stod(row.x), std::stod(row.y));
        d.entities.push_back(DrawingPoint{Layer::StakePoint, p});
        d.entities.push_back(DrawingText{Layer::StakeName, place(p.north + 0.2, p.east + 0.2),
                                         pointName(prefix, row)});
        toe.push_back(p);
    }
    d.entities.push_back(DrawingPolyline{Layer::ToeLine, toe});
    const DrawingPlace o = at(outline.roadCentre);
    const double forward = outline.roadAzimuth;
    const DrawingPlace tip = along(o, forward, 18);
    d.entities.push_back(DrawingPoint{Layer::RoadCentrePoint, o});
    d.entities.push_back(
        DrawingText{Layer::RoadCentrePoint, place(o.north + 0.2, o.east + 0.2), "O"});
    d.entities.push_back(DrawingLine{Layer::RoadCentreLine, along(o, forward, -18), tip});
    d.entities.push_back(DrawingLine{Layer::RoadCentreLine, tip, along(tip, forward + 3.49, 1.2)});
    d.entities.push_back(DrawingLine{Layer::RoadCentreLine, tip, along(tip, forward + 2.79, 1.2)});
    d.entities.push_back(DrawingLine{Layer::LongAxis, o, at(outline.centre)});
    d.entities.push_back(DrawingLine{Layer::LongAxis, at(outline.centre), at(outline.vertex)});
    d.entities.push_back(
        DrawingLine{Layer::ShortAxis, at(outline.centre), at(outline.shortAxisEnd)});
    d.low = place(3000 - 13, 5000 - 13);
    d.high = place(3000 + 13, 5000 + 18);
    return d;
}

// The worked example's sheet, without a station.
StakeSheet workedSheet() {
    StakeSheet sheet;
    sheet.header = {"G15 沈海高速 第3标段", "K12+345 左幅", "Leica TS06 No.1234567", "2026-12-07"};
    sheet.texts = {"12.5", "6", "60.3", "3000", "5000", "45.153", "2.5", "4.25"};
    sheet.stepMode = true;
    sheet.position = SlopePosition::Position2;
    sheet.elevation = "152.340";
    sheet.prefix = "L2-";
    sheet.rows = test::kWorkedRows;
    sheet.drawing = handDrawing(sheet.rows, sheet.prefix);
    return sheet;
}

// The sheet rendered and written to a file in `dir`.
QString writeSheet(const StakeSheet& sheet, const QTemporaryDir& dir) {
    const SheetPdf made = renderStakeSheet(sheet);
    EXPECT_FALSE(made.problem) << problemText(made.problem);
    return test::writePdf(made.pdf, dir);
}

// Checks what every sheet has: A4 pages, embedded fonts, the title, the header on every page
// and "第 k 页 共 n 页", and each row's cells on one line in the list's order.
void expectSheet(const StakeSheet& sheet, const QString& path,
                 const std::optional<StationSetup>& setup) {
    const int pages = test::expectA4WithEmbeddedFonts(path, QStringLiteral("锥坡放样记录表"));
    ASSERT_GT(pages, 0);

    const QStringList texts = pageTexts(path);
    ASSERT_EQ(texts.size(), pages);
    // Every point the table lists: the toe's, then each line's.
    const std::vector<NamedPoints> lines = sheetLines(sheet);
    std::vector<std::pair<const NamedPoints*, const StakeRow*>> rows;
    for (const NamedPoints& line : lines) {
        for (const StakeRow& r : line.rows) {
            rows.emplace_back(&line, &r);
        }
    }
    std::size_t row = 0;
    for (int k = 0; k < pages; ++k) {
        const QString& page = texts[k];
        SCOPED_TRACE("page " + std::to_string(k + 1));
        EXPECT_TRUE(page.contains("锥坡放样记录表"));
        for (const std::string* header : {&sheet.header.project, &sheet.header.part,
                                          &sheet.header.instrument, &sheet.header.date}) {
            EXPECT_TRUE(page.contains(QString::fromStdString(*header))) << *header;
        }
        EXPECT_TRUE(page.contains(lineWith({"测量：", "记录：", "复核："})));
        EXPECT_TRUE(page.contains(QString("第 %1 页 共 %2 页").arg(k + 1).arg(pages)));
        EXPECT_TRUE(page.contains(lineWith({"点名", "X(m)", "Y(m)", "H(m)"})));
        // The rows of this page in order, each with all its cells on one line.
        qsizetype from = 0;
        for (; row < rows.size(); ++row) {
            const auto& [line, r] = rows[row];
            QStringList cells = {QString::fromStdString(pointName(line->prefix, *r)),
                                 QString::fromStdString(r->x), QString::fromStdString(r->y),
                                 QString::fromStdString(std::string(line->elevation))};
            if (setup) {
                const PolarTexts polar = polarTexts(*setup, *r);
                cells << QString::fromStdString(polar.azimuth)
                      << QString::fromStdString(polar.horizontalAngle)
                      << QString::fromStdString(polar.distance);
            }
            const QRegularExpressionMatch m = lineWith(cells).match(page, from);
            if (!m.hasMatch()) {
                break;
            }
            from = m.capturedEnd();
        }
    }
    EXPECT_EQ(row, rows.size()) << "row " << row + 1 << " not found in order";
}

// The worked example on one page: the boxes with their captions and texts as typed.
TEST(StakeSheet, WorkedExampleReadsBack) {
    const StakeSheet sheet = workedSheet();
    const QTemporaryDir dir;
    const QString path = writeSheet(sheet, dir);
    expectSheet(sheet, path, std::nullopt);
    const QStringList pages = pageTexts(path);
    ASSERT_EQ(pages.size(), 1);
    const QString& first = pages[0];
    for (const char* caption : {"工程名称", "桩号及部位", "仪器型号及编号", "日期", "计算方式",
                                "按步长计算", "位置2", "坡脚高程", "示意图"}) {
        EXPECT_TRUE(first.contains(QString::fromUtf8(caption))) << caption;
    }
    const std::vector<std::pair<const char*, const char*>> boxes = {
        {"椭圆长轴a长", "12.5"}, {"椭圆短轴b长", "6"},    {"交 角 β", "60.3"},
        {"路中点X坐标", "3000"}, {"路中点Y坐标", "5000"}, {"中点O方位角", "45.153"},
        {"固定长度", "2.5"},     {"距路中距离D", "4.25"},
    };
    for (const auto& [caption, text] : boxes) {
        EXPECT_TRUE(first.contains(lineWith({caption, text}))) << caption;
    }
}

// A station and backsight in the header, the polar columns in the table, the angle mode's caption.
TEST(StakeSheet, StationAddsPolarColumns) {
    StakeSheet sheet = workedSheet();
    sheet.stepMode = false;
    sheet.station = SheetStation{"S1", "3010.5", "4990"};
    sheet.backsight = SheetStation{"BM2", "3100", "5000.25"};
    const QTemporaryDir dir;
    const QString path = writeSheet(sheet, dir);
    expectSheet(sheet, path,
                readStationSetup(TypedPlace{"3010.5", "4990"}, TypedPlace{"3100", "5000.25"}));
    const QString first = pageTexts(path).value(0);
    EXPECT_TRUE(first.contains(lineWith({"测站", "S1", "X", "3010.5", "Y", "4990"})));
    EXPECT_TRUE(first.contains(lineWith({"后视", "BM2", "X", "3100", "Y", "5000.25"})));
    EXPECT_TRUE(first.contains(lineWith({"方位角", "水平角", "水平距离(m)"})));
    EXPECT_TRUE(first.contains(lineWith({"固定角度", "2.5"})));
}

// 700 rows over 17 pages, each with its header, its rows in order and its page number.
TEST(StakeSheet, HundredsOfRowsRunOverPages) {
    StakeSheet sheet = workedSheet();
    sheet.rows = test::spiralRows(700);
    sheet.station = SheetStation{"S1", "3000", "5000"};
    sheet.backsight = SheetStation{"B1", "3000", "5100"};
    sheet.drawing = handDrawing(sheet.rows, sheet.prefix);
    const QTemporaryDir dir;
    const QString path = writeSheet(sheet, dir);
    expectSheet(sheet, path,
                readStationSetup(TypedPlace{"3000", "5000"}, TypedPlace{"3000", "5100"}));
    EXPECT_GE(pageTexts(path).size(), 15);
}

// The worked example raised to a top in layers, made as the window and korvel-calc make it:
// on the first page the heights and the quantities under the drawing, and the lines' points
// under the toe's, over two pages.
TEST(StakeSheet, HeightsQuantitiesAndLayers) {
    ListedRun run;
    run.texts = {"12.5", "6", "60.3", "3000", "5000", "45.153", "2.5", "4.25"};
    run.selection = Selection{true, {false, true, false, false}};
    const RunResult result = runCalculation(run.texts, run.selection);
    run.rows = result.rows;
    run.outline = result.outline;
    TypedSheet typed;
    typed.header = workedSheet().header;
    typed.points = {"100", "L2-"};
    typed.heights = {"104", "2", "1", "0.1"};
    const SheetRequest request = makeStakeSheet(typed, run);
    ASSERT_FALSE(request.problem) << problemText(request.problem);
    const StakeSheet& sheet = request.sheet;
    ASSERT_TRUE(sheet.heights);
    EXPECT_EQ(sheet.heights->lines.size(), 40U);
    const QTemporaryDir dir;
    const QString path = writeSheet(sheet, dir);
    expectSheet(sheet, path, std::nullopt);
    const QStringList pages = pageTexts(path);
    EXPECT_GE(pages.size(), 3);
    const QString& first = pages.value(0);
    EXPECT_TRUE(first.contains(lineWith(
        {"锥坡高程", "坡顶高程", "104.000", "坡高", "4.000", "坡率", "1:2.000", "/", "1:1.000"})));
    QStringList quantities = {"工程量"};
    for (const QuantityText& q : quantityTexts(sheet.heights->quantities)) {
        quantities << QString::fromStdString(q.caption) << QString::fromStdString(q.value)
                   << QString::fromStdString(q.unit);
    }
    EXPECT_TRUE(first.contains(lineWith(quantities))) << first.toStdString();
    EXPECT_TRUE(first.contains(lineWith({"坡脚高程", "100.000"})));
    // The drawing holds the lines but not the surface's triangles.
    for (const DrawingEntity& e : sheet.drawing.entities) {
        EXPECT_FALSE(std::holds_alternative<DrawingFace>(e));
    }
}

// Texts over 60 characters and unusable stations are refused before anything is painted.
TEST(StakeSheet, RefusesWhatCannotBePrinted) {
    StakeSheet sheet = workedSheet();
    sheet.header.project = std::string(60, 'x');
    EXPECT_FALSE(checkStakeSheet(sheet));
    sheet.header.project = std::string(59, 'x') + "工";  // 60 characters, 62 bytes
    EXPECT_FALSE(checkStakeSheet(sheet));
    sheet.header.date = std::string(61, '1');
    const SheetPdf refused = renderStakeSheet(sheet);
    EXPECT_EQ(refused.problem.code, ProblemCode::HeaderTextTooLong);
    EXPECT_EQ(refused.problem.subject, "日期");
    EXPECT_TRUE(refused.pdf.isEmpty());

    sheet = workedSheet();
    sheet.station = SheetStation{"S1", "3000", "5000"};
    EXPECT_EQ(checkStakeSheet(sheet).code, ProblemCode::StationWithoutBacksight);
    sheet.backsight = SheetStation{"B1", "3000.0", "+5000"};
    EXPECT_EQ(checkStakeSheet(sheet).code, ProblemCode::StationSameAsBacksight);
    sheet.backsight = SheetStation{"B1", "3000,5", "5000"};
    EXPECT_EQ(checkStakeSheet(sheet).code, ProblemCode::BacksightNotNumber);
    EXPECT_EQ(checkStakeSheet(sheet).subject, "3000,5 5000");
    sheet.station.reset();
    EXPECT_EQ(checkStakeSheet(sheet).code, ProblemCode::BacksightWithoutStation);
}

// The project's box runs from 132.5 to 552.5 points across; 60 wide characters at 10 points
// would need 600.
TEST(StakeSheet, LongTextStaysInItsBox) {
    StakeSheet sheet = workedSheet();
    sheet.header.project = std::string();
    for (int k = 0; k < 60; ++k) {
        sheet.header.project += "工";
    }
    sheet.header.date = "2026年12月7日 上午第二次复测 K12+345 左幅 Leica TS06 No.1234567";
    const QTemporaryDir dir;
    const QString path = writeSheet(sheet, dir);
    const QString boxes = run("pdftotext", {"-bbox", "-f", "1", "-l", "1", path, "-"});
    const QRegularExpression word(
        "<word xMin=\"([0-9.]+)\" yMin=\"[0-9.]+\" xMax=\"([0-9.]+)\" "
        "yMax=\"[0-9.]+\">(.*)</word>");
    int projectWords = 0;
    for (QRegularExpressionMatchIterator it = word.globalMatch(boxes); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(3).startsWith("工工")) {
            ++projectWords;
            EXPECT_GE(m.captured(1).toDouble(), 132.5 - 0.1);
            EXPECT_LE(m.captured(2).toDouble(), 552.5 + 0.1);
        }
    }
    EXPECT_GE(projectWords, 1);

    const SheetFont font = loadSheetFont();
    ASSERT_FALSE(font.problem);
    const QImage device(10, 10, QImage::Format_RGB32);
    QFont tenPoints(font.family);
    tenPoints.setPointSizeF(10);
    for (const double width : {400.0, 200.0, 20.0, 0.0}) {
        const QString wide = QString::fromStdString(sheet.header.project);
        const FittedText fitted = fitText(tenPoints, wide, width, 6, &device);
        EXPECT_LE(QFontMetricsF(fitted.font, &device).horizontalAdvance(fitted.text), width);
        EXPECT_GE(fitted.font.pointSizeF(), 6);
    }
    EXPECT_EQ(fitText(tenPoints, "K12+345 左幅", 200, 6, &device).text, "K12+345 左幅");
}

}  // namespace
}  // namespace korvel
