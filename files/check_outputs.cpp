#include "files/check_outputs.h"

#include <QDir>
#include <utility>
#include <vector>

#include "files/save.h"

namespace korvel {
namespace {

// The check as a table of texts: the captions, the numbers' columns, and a row's fields made
// when it is written.
TextTable checkTable(const StakeCheck& check) {
    const CheckFields captions = checkCaptions();
    TextTable table;
    table.captions.assign(captions.begin(), captions.end());
    for (std::size_t c = 0; c < kCheckColumns; ++c) {
        table.numbers.push_back(checkColumnIsNumber(c));
    }
    table.rows = check.rows.size();
    table.texts = [&check](std::size_t k) {
        const CheckFields fields = checkFields(check, check.rows[k]);
        return std::vector<std::string>(fields.begin(), fields.end());
    };
    return table;
}

}  // namespace

// The captions as the table heads them.
CheckFields checkCaptions() {
    return {"点名", "设计X", "设计Y", "实测X", "实测Y", "ΔX(mm)", "ΔY(mm)", "偏差(mm)", "结果"};
}

// Everything between the name and the verdict is a number.
bool checkColumnIsNumber(std::size_t column) {
    return column >= 1 && column + 1 < kCheckColumns;
}

// The table's lines, then the summary.
void writeCheckText(const CheckReport& report, std::string_view lineEnd,
                    const std::function<void(std::string_view)>& write) {
    writeAlignedTable(checkTable(report.check), {report.summary}, lineEnd, write);
}

// The pieces one after another.
std::string checkText(const CheckReport& report, std::string_view lineEnd) {
    std::string text;
    writeCheckText(report, lineEnd, [&text](std::string_view piece) { text.append(piece); });
    return text;
}

std::string encodeCheckCsv(const CheckReport& report) {
    return encodeTableCsv(checkTable(report.check));
}

std::string encodeCheckTextFile(const CheckReport& report) {
    return encodeTableTextFile(checkTable(report.check), {report.summary});
}

// The caption, the millimetres as toleranceText writes them, the unit.
std::string toleranceLine(Tolerance tolerance) {
    return "允许偏差：" + toleranceText(tolerance) + " mm";
}

Problem saveCheckWorkbook(const QString& path, const CheckReport& report) {
    return saveTableWorkbook(path, checkTable(report.check),
                             {toleranceLine(report.tolerance), report.summary}, kCheckSheetName);
}

CheckReport makeCheckReport(std::vector<StakeRow> rows, std::string_view prefix,
                            MeasuredPoints measured, Tolerance tolerance) {
    CheckReport report;
    const int repeats = measured.points.repeats;
    report.check = checkStakeOut(std::move(rows), prefix, std::move(measured.points), tolerance);
    report.summary = checkSummary(report.check, measured.linesPassedOver, repeats);
    report.tolerance = tolerance;
    return report;
}

Problem saveCheckOutput(const QString& path, OutputFormat format, const CheckReport& report) {
    switch (format) {
        case OutputFormat::ResultsText:
            return saveFileAtomically(path, encodeCheckTextFile(report));
        case OutputFormat::PointCsv:
            return saveFileAtomically(path, encodeCheckCsv(report));
        case OutputFormat::Workbook:
            return saveCheckWorkbook(path, report);
        default:
            return problemAbout(ProblemCode::UnknownEnding,
                                QDir::toNativeSeparators(path).toStdString());
    }
}

}  // namespace korvel
