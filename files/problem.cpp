#include "files/problem.h"

#include <utility>

#include "files/output_formats.h"

namespace korvel {

Problem problemAbout(ProblemCode code, std::string subject) {
    return {code, std::move(subject), {}, {}};
}

Problem fileProblem(ProblemCode code, std::string nativePath, std::string reason) {
    return {code, {}, std::move(reason), std::move(nativePath)};
}

// The one table of sentences: each code once, its subject where the sentence names it.
std::string problemText(const Problem& p) {
    std::string text;
    switch (p.code) {
        case ProblemCode::None:
            return {};
        case ProblemCode::NoFileName:
            text = "没有文件名";
            break;
        case ProblemCode::NotRegularFile:
            text = "不是普通文件";
            break;
        case ProblemCode::CannotOpen:
            text = "无法创建文件";
            break;
        case ProblemCode::CannotWrite:
            text = "写入失败";
            break;
        case ProblemCode::CannotCommit:
            text = "无法替换原文件";
            break;
        case ProblemCode::CannotBuildWorkbook:
            text = "无法生成工作簿";
            break;
        case ProblemCode::CannotRead:
            text = "无法读取文件";
            break;
        case ProblemCode::UnknownOption:
            text = "未知选项：" + p.subject;
            break;
        case ProblemCode::MissingValue:
            text = "选项缺少值：" + p.subject;
            break;
        case ProblemCode::BadPosition:
            text = "位置应为1到4：" + p.subject;
            break;
        case ProblemCode::UnknownEnding:
            text = "未知的文件类型：" + p.subject + "（可用 " + knownEndings() + "）";
            break;
        case ProblemCode::ParamsWithTexts:
            text = "--params 与数据不能同时给出";
            break;
        case ProblemCode::WrongTextCount:
            text = "应有7或8个数据，实有" + p.subject + "个";
            break;
        case ProblemCode::ElevationNotNumber:
            text = "坡脚高程应为数：" + p.subject;
            break;
        case ProblemCode::IllegalPrefix:
            text = "点名前缀只能含字母、数字和 - _ .：" + p.subject;
            break;
        case ProblemCode::NameTooLong:
            text = "点名超过16个字符：" + p.subject;
            break;
        case ProblemCode::CoordinateTooLongForGsi:
            text = "点" + p.subject + "的坐标超出GSI-16的16位";
            break;
        case ProblemCode::CoordinateBeyondDrawing:
            text = "点" + p.subject + "的坐标超出绘图范围";
            break;
        case ProblemCode::NotPointFormat:
            text = "不是点文件格式";
            break;
    }
    if (!p.reason.empty()) {
        text += "（" + p.reason + "）";
    }
    return p.file.empty() ? text : p.file + ": " + text;
}

}  // namespace korvel
