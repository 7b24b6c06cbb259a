// The one table of problem sentences: every code once, as the user reads it.
#include "files/problem.h"

#include <gtest/gtest.h>

namespace korvel {
namespace {

// Every problem's sentence: the file first when there is one, the subject where the sentence
// names it, the system's words in brackets.
TEST(ProblemText, OneSentenceEachCode) {
    using P = ProblemCode;
    const std::pair<Problem, const char*> cases[] = {
        {{}, ""},
        {fileProblem(P::NoFileName, ""), "没有文件名"},
        {fileProblem(P::NotRegularFile, "/tmp/a"), "/tmp/a: 不是普通文件"},
        {fileProblem(P::CannotOpen, "/r/a.gsi", "Permission denied"),
         "/r/a.gsi: 无法创建文件（Permission denied）"},
        {fileProblem(P::CannotWrite, "stdout", "No space left on device"),
         "stdout: 写入失败（No space left on device）"},
        {fileProblem(P::CannotCommit, "a.txt", "x"), "a.txt: 无法替换原文件（x）"},
        {fileProblem(P::CannotBuildWorkbook, "a.xls", "x"), "a.xls: 无法生成工作簿（x）"},
        {{P::CheckTooLongForWorkbook, "70000", "", "复核.xls"},
         "复核.xls: 复核结果有70000行，超出工作簿的行数"},
        {fileProblem(P::CannotRead, "a.zdy", "No such file or directory"),
         "a.zdy: 无法读取文件（No such file or directory）"},
        {problemAbout(P::UnknownOption, "--bogus"), "未知选项：--bogus"},
        {problemAbout(P::MissingValue, "-o"), "选项缺少值：-o"},
        {problemAbout(P::BadPosition, "5"), "位置应为1到4：5"},
        {problemAbout(P::UnknownEnding, "成果.ods"),
         "未知的文件类型：成果.ods（可用 .txt .xls .xlsx .dat .gsi .csv .xml .dxf .pdf）"},
        {problemAbout(P::ParamsWithTexts), "--params 与数据不能同时给出"},
        {problemAbout(P::WrongTextCount, "6"), "应有7或8个数据，实有6个"},
        {problemAbout(P::BadDate, "2026-13-01"), "日期应写作YYYY-MM-DD：2026-13-01"},
        {problemAbout(P::BadPlace, "S1"), "测站和后视应写作 点名,X,Y：S1"},
        {problemAbout(P::BadTolerance, "0"), "允许偏差应大于0、不超过10000毫米：0"},
        {problemAbout(P::BadOrder, "XY"), "坐标顺序应为EN或NE：XY"},
        {problemAbout(P::HeightOptionWithoutTop, "--layers"), "--layers 须与 --top 同用"},
        {problemAbout(P::LayersInListRows, "成果.txt"),
         "分层放样点只能写入点文件或放样记录表，不能写入成果行：成果.txt"},
        {problemAbout(P::HeightsWithMeasured), "--measured 只复核坡脚放样点，不能与 --top 同用"},
        {problemAbout(P::FaceWithMeasured), "--face 与 --measured 不能同时给出"},
        {problemAbout(P::TopNotNumber, "10,4"), "坡顶高程应为数：10,4"},
        {problemAbout(P::TopNotAboveToe, "99"), "坡顶高程应高于坡脚高程：99"},
        {problemAbout(P::SlopeNotPositive, "1:2"), "坡率应为大于0的数：1:2"},
        {problemAbout(P::SlopesDoNotFit, "长半轴 a−m·H = -3.500"),
         "坡率与坡高不符，坡面在坡顶以下已相交：长半轴 a−m·H = -3.500"},
        {problemAbout(P::LayerNotPositive, "0"), "分层厚度应为大于0的数：0"},
        {problemAbout(P::NoSlopeQuarter),
         "椭圆长、短半轴应大于0，交角应在0°与180°之间，方可计算锥坡高程"},
        {problemAbout(P::TooManyPoints), "坡脚与各层放样点超过32767点，请增大分层厚度或间隔"},
        {problemAbout(P::SurfaceTooLarge, "262144"),
         "坡面三角网超过262144个三角形仍不能使高程偏差在5毫米以内"},
        {problemAbout(P::ElevationNotNumber, "12,5"), "坡脚高程应为数：12,5"},
        {problemAbout(P::IllegalPrefix, "A B"), "点名前缀只能含字母、数字和 - _ .：A B"},
        {problemAbout(P::NameTooLong, "ABUTMENT-NORTH-10"), "点名超过16个字符：ABUTMENT-NORTH-10"},
        {problemAbout(P::CoordinateTooLongForGsi, "K3"), "点K3的坐标超出GSI-16的16位"},
        {problemAbout(P::CoordinateBeyondDrawing, "K4"), "点K4的坐标超出绘图范围"},
        {problemAbout(P::NotPointFormat), "不是点文件格式"},
        {fileProblem(P::SheetEndingForPoints, "放样.pdf"),
         "放样.pdf: 不是点文件格式，PDF放样记录表请用“放样记录表”输出"},
        {fileProblem(P::UnknownMeasuredEnding, "a.xml"),
         "a.xml: 无法识别的实测点文件类型（可读取 .gsi .dat .csv .txt）"},
        {fileProblem(P::MeasuredTooLarge, "a.gsi"), "a.gsi: 文件超过64 MiB，不是实测点文件"},
        {fileProblem(P::MeasuredBinary, "a.dat"), "a.dat: 不是文本文件，无法读取实测点"},
        {fileProblem(P::MeasuredNoPoints, "a.csv"), "a.csv: 文件中没有实测点"},
        {{P::GsiBadWord, "3", "81..10+1000", "a.gsi"},
         "a.gsi: 第3行的GSI数据字格式错误（81..10+1000）"},
        {{P::GsiFeet, "3", "81..11+00001000", "a.gsi"},
         "a.gsi: 第3行的坐标以英尺为单位，请在仪器上改为米后重新导出（81..11+00001000）"},
        {{P::GsiBadUnit, "3", "81..12+00001000", "a.gsi"},
         "a.gsi: 第3行的坐标单位不是米（81..12+00001000）"},
        {problemAbout(P::StationWithoutBacksight), "有测站而没有后视点"},
        {problemAbout(P::BacksightWithoutStation), "有后视点而没有测站"},
        {problemAbout(P::StationNotNumber, "3000,5 5000"), "测站坐标应为数：3000,5 5000"},
        {problemAbout(P::BacksightNotNumber, "x 1"), "后视点坐标应为数：x 1"},
        {problemAbout(P::StationSameAsBacksight), "测站与后视点位置相同"},
        {problemAbout(P::HeaderTextTooLong, "日期"), "日期超过60个字符"},
        {fileProblem(P::NoSheetFont, "/usr/share/fonts/x.ttc"),
         "/usr/share/fonts/x.ttc: 找不到打印中文的字体"},
        {problemAbout(P::CannotMakePdf), "无法生成PDF文件"},
        {fileProblem(P::NoSheetModule, "/usr/lib/korvel/korvel-calc-sheet.so", "not found"),
         "/usr/lib/korvel/korvel-calc-sheet.so: 无法载入绘制放样记录表的模块（not found）"},
    };
    for (const auto& [problem, text] : cases) {
        EXPECT_EQ(problemText(problem), text) << static_cast<int>(problem.code);
    }
}

}  // namespace
}  // namespace korvel
