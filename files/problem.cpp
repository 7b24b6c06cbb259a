#include "files/problem.h"

namespace korvel {
namespace {

// "<subject>: <sentence>", then the system's words in brackets when it gave any.
std::string aboutFile(const Problem& problem, const std::string& sentence) {
    std::string text = problem.subject.empty() ? sentence : problem.subject + ": " + sentence;
    if (!problem.reason.empty()) {
        text += "（" + problem.reason + "）";
    }
    return text;
}

// "<sentence>：<subject>", the typed text after the sentence when there is one.
std::string aboutText(const Problem& problem, const std::string& sentence) {
    return problem.subject.empty() ? sentence : sentence + "：" + problem.subject;
}

}  // namespace

// One case per code, so that a new code is not forgotten (the compiler warns).
std::string problemText(const Problem& problem) {
    switch (problem.code) {
        case ProblemCode::None:
            return {};
        case ProblemCode::NoFileName:
            return aboutFile(problem, "没有文件名");
        case ProblemCode::NotRegularFile:
            return aboutFile(problem, "不是普通文件");
        case ProblemCode::CannotOpen:
            return aboutFile(problem, "无法创建文件");
        case ProblemCode::CannotWrite:
            return aboutFile(problem, "写入文件失败");
        case ProblemCode::CannotCommit:
            return aboutFile(problem, "无法替换原文件");
        case ProblemCode::CannotRead:
            return aboutFile(problem, "无法读取文件");
        case ProblemCode::ElevationNotNumber:
            return aboutText(problem, "坡脚高程不是数字");
        case ProblemCode::IllegalPrefix:
            return aboutText(problem, "点名前缀只能含字母、数字和 - _ .");
        case ProblemCode::NameTooLong:
            return aboutText(problem, "点名超过16个字符");
        case ProblemCode::CoordinateTooLongForGsi:
            return "点" + problem.subject + "的坐标超过16位数字，GSI-16写不下";
        case ProblemCode::CoordinateBeyondDrawing:
            return "点" + problem.subject + "的坐标超出绘图范围";
        case ProblemCode::NotPointFormat:
            return aboutText(problem, "该格式不是放样点文件");
        case ProblemCode::StationWithoutBacksight:
            return "有测站而没有后视点";
        case ProblemCode::BacksightWithoutStation:
            return "有后视点而没有测站";
        case ProblemCode::StationNotNumber:
            return aboutText(problem, "测站坐标不是数字");
        case ProblemCode::BacksightNotNumber:
            return aboutText(problem, "后视点坐标不是数字");
        case ProblemCode::StationSameAsBacksight:
            return "测站与后视点位置相同";
        case ProblemCode::HeaderTextTooLong:
            return problem.subject + "超过60个字符";
        case ProblemCode::NoSheetFont:
            return aboutFile(problem, "找不到打印中文的字体");
        case ProblemCode::CannotMakePdf:
            return aboutFile(problem, "无法生成PDF文件");
    }
    return {};
}

}  // namespace korvel
