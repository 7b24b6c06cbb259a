#include "files/problem.h"

#include <string_view>
#include <utility>

#include "files/output_formats.h"

namespace korvel {
namespace {

// A code's sentence: "{}" stands where the subject goes, "{endings}" for the endings Korvel
// writes.
struct Sentence {
    ProblemCode code;
    std::string_view text;
};

// The one table of sentences, each code once.
constexpr Sentence kSentences[] = {
    {ProblemCode::NoFileName, "没有文件名"},
    {ProblemCode::NotRegularFile, "不是普通文件"},
    {ProblemCode::CannotOpen, "无法创建文件"},
    {ProblemCode::CannotWrite, "写入失败"},
    {ProblemCode::CannotCommit, "无法替换原文件"},
    {ProblemCode::CannotBuildWorkbook, "无法生成工作簿"},
    {ProblemCode::CheckTooLongForWorkbook, "复核结果有{}行，超出工作簿的行数"},
    {ProblemCode::CannotRead, "无法读取文件"},
    {ProblemCode::UnknownOption, "未知选项：{}"},
    {ProblemCode::MissingValue, "选项缺少值：{}"},
    {ProblemCode::BadPosition, "位置应为1到4：{}"},
    {ProblemCode::UnknownEnding, "未知的文件类型：{}（可用 {endings}）"},
    {ProblemCode::ParamsWithTexts, "--params 与数据不能同时给出"},
    {ProblemCode::WrongTextCount, "应有7或8个数据，实有{}个"},
    {ProblemCode::BadDate, "日期应写作YYYY-MM-DD：{}"},
    {ProblemCode::BadPlace, "测站和后视应写作 点名,X,Y：{}"},
    {ProblemCode::BadTolerance, "允许偏差应大于0、不超过10000毫米：{}"},
    {ProblemCode::BadOrder, "坐标顺序应为EN或NE：{}"},
    {ProblemCode::HeightOptionWithoutTop, "{} 须与 --top 同用"},
    {ProblemCode::LayersInListRows, "分层放样点只能写入点文件或放样记录表，不能写入成果行：{}"},
    {ProblemCode::HeightsWithMeasured, "--measured 只复核坡脚放样点，不能与 --top 同用"},
    {ProblemCode::FaceWithMeasured, "--face 与 --measured 不能同时给出"},
    {ProblemCode::ElevationNotNumber, "坡脚高程应为数：{}"},
    {ProblemCode::IllegalPrefix, "点名前缀只能含字母、数字和 - _ .：{}"},
    {ProblemCode::NameTooLong, "点名超过16个字符：{}"},
    {ProblemCode::TopNotNumber, "坡顶高程应为数：{}"},
    {ProblemCode::TopNotAboveToe, "坡顶高程应高于坡脚高程：{}"},
    {ProblemCode::SlopeNotPositive, "坡率应为大于0的数：{}"},
    {ProblemCode::SlopesDoNotFit, "坡率与坡高不符，坡面在坡顶以下已相交：{}"},
    {ProblemCode::LayerNotPositive, "分层厚度应为大于0的数：{}"},
    {ProblemCode::NoSlopeQuarter, "椭圆长、短半轴应大于0，交角应在0°与180°之间，方可计算锥坡高程"},
    {ProblemCode::TooManyPoints, "坡脚与各层放样点超过32767点，请增大分层厚度或间隔"},
    {ProblemCode::SurfaceTooLarge, "坡面三角网超过{}个三角形仍不能使高程偏差在5毫米以内"},
    {ProblemCode::CoordinateTooLongForGsi, "点{}的坐标超出GSI-16的16位"},
    {ProblemCode::CoordinateBeyondDrawing, "点{}的坐标超出绘图范围"},
    {ProblemCode::NotPointFormat, "不是点文件格式"},
    {ProblemCode::SheetEndingForPoints, "不是点文件格式，PDF放样记录表请用“放样记录表”输出"},
    {ProblemCode::UnknownMeasuredEnding, "无法识别的实测点文件类型（可读取 .gsi .dat .csv .txt）"},
    {ProblemCode::MeasuredTooLarge, "文件超过64 MiB，不是实测点文件"},
    {ProblemCode::MeasuredBinary, "不是文本文件，无法读取实测点"},
    {ProblemCode::MeasuredNoPoints, "文件中没有实测点"},
    {ProblemCode::GsiBadWord, "第{}行的GSI数据字格式错误"},
    {ProblemCode::GsiFeet, "第{}行的坐标以英尺为单位，请在仪器上改为米后重新导出"},
    {ProblemCode::GsiBadUnit, "第{}行的坐标单位不是米"},
    {ProblemCode::StationWithoutBacksight, "有测站而没有后视点"},
    {ProblemCode::BacksightWithoutStation, "有后视点而没有测站"},
    {ProblemCode::StationNotNumber, "测站坐标应为数：{}"},
    {ProblemCode::BacksightNotNumber, "后视点坐标应为数：{}"},
    {ProblemCode::StationSameAsBacksight, "测站与后视点位置相同"},
    {ProblemCode::HeaderTextTooLong, "{}超过60个字符"},
    {ProblemCode::NoSheetFont, "找不到打印中文的字体"},
    {ProblemCode::CannotMakePdf, "无法生成PDF文件"},
    {ProblemCode::NoSheetModule, "无法载入绘制放样记录表的模块"},
};

// `text` with every `token` replaced by `by`.
std::string replaced(std::string text, std::string_view token, std::string_view by) {
    for (std::size_t at = text.find(token); at != std::string::npos;
         at = text.find(token, at + by.size())) {
        text.replace(at, token.size(), by);
    }
    return text;
}

}  // namespace

Problem problemAbout(ProblemCode code, std::string subject) {
    return {code, std::move(subject), {}, {}};
}

Problem fileProblem(ProblemCode code, std::string nativePath, std::string reason) {
    return {code, {}, std::move(reason), std::move(nativePath)};
}

std::string problemText(const Problem& p) {
    std::string text;
    for (const Sentence& sentence : kSentences) {
        if (sentence.code == p.code) {
            text = replaced(std::string(sentence.text), "{endings}", knownEndings());
            text = replaced(std::move(text), "{}", p.subject);
        }
    }
    if (text.empty()) {
        return {};
    }
    if (!p.reason.empty()) {
        text += "（" + p.reason + "）";
    }
    return p.file.empty() ? text : p.file + ": " + text;
}

}  // namespace korvel
