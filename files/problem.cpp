#include "files/problem.h"

namespace korvel {
namespace {

// "（reason）" after a sentence when the system gave a reason, nothing otherwise.
std::string because(const std::string& reason) {
    return reason.empty() ? std::string() : "（" + reason + "）";
}

}  // namespace

// One sentence for each code, with the subject and the system's reason put in.
std::string problemText(const Problem& p) {
    const std::string& s = p.subject;
    switch (p.code) {
        case ProblemCode::None:
            return {};
        case ProblemCode::NoFileName:
            return "未给出文件名";
        case ProblemCode::NotRegularFile:
            return s + ": 不是普通文件，无法保存";
        case ProblemCode::CannotOpen:
            return s + ": 无法创建文件" + because(p.reason);
        case ProblemCode::CannotWrite:
            return s + ": 写入文件失败" + because(p.reason);
        case ProblemCode::CannotCommit:
            return s + ": 无法替换原有文件" + because(p.reason);
        case ProblemCode::CannotRead:
            return s + ": 无法读取文件" + because(p.reason);
        case ProblemCode::ElevationNotNumber:
            return "坡脚高程不是数字：" + s;
        case ProblemCode::IllegalPrefix:
            return "点名前缀只能含字母、数字和 - _ .：" + s;
        case ProblemCode::NameTooLong:
            return "点名超过16个字符：" + s;
        case ProblemCode::CoordinateTooLongForGsi:
            return "点" + s + "的坐标超出GSI-16的16位";
        case ProblemCode::CoordinateBeyondDrawing:
            return "点" + s + "的坐标超出绘图范围";
        case ProblemCode::NotPointFormat:
            return s + ": 不是点文件格式";
        case ProblemCode::UnknownMeasuredEnding:
            return s + ": 无法识别的实测点文件类型（可读取 .gsi、.dat、.csv、.txt）";
        case ProblemCode::MeasuredTooLarge:
            return s + ": 文件超过64 MiB，不是实测点文件";
        case ProblemCode::MeasuredBinary:
            return s + ": 不是文本文件，无法读取实测点";
        case ProblemCode::MeasuredNoPoints:
            return s + ": 文件中没有实测点";
        case ProblemCode::GsiBadWord:
            return "GSI文件第" + s + "行的数据字格式错误：" + p.reason;
        case ProblemCode::GsiFeet:
            return "GSI文件第" + s + "行的坐标以英尺为单位，请在仪器上改为米后重新导出：" +
                   p.reason;
        case ProblemCode::GsiBadUnit:
            return "GSI文件第" + s + "行的坐标单位不是米：" + p.reason;
    }
    return {};
}

}  // namespace korvel
