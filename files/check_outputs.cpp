#include "files/check_outputs.h"

#include <QDir>
#include <algorithm>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>

#include "files/save.h"
#include "files/workbook/workbook.h"
#include "files/workbook/worksheet.h"

namespace korvel {
namespace {

// The UTF-8 byte-order mark, which Excel and Notepad take as "this file is UTF-8".
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The columns of the aligned text: how wide each is on screen, the most bytes a text of it
// takes (more than its width where it holds Chinese: three bytes in two columns), and
// whether each of its texts is as wide as it is long (ASCII: every number of the check).
struct TextColumns {
    std::array<std::size_t, kCheckColumns> widths{};
    std::array<std::size_t, kCheckColumns> bytes{};
    std::array<bool, kCheckColumns> byteWide{true, true, true, true, true, true, true, true, true};
};

// The columns widened to hold `fields`.
void widen(TextColumns& columns, const CheckFields& fields) {
    for (std::size_t c = 0; c < kCheckColumns; ++c) {
        const std::size_t width = displayWidth(fields[c]);
        columns.widths[c] = std::max(columns.widths[c], width);
        columns.bytes[c] = std::max(columns.bytes[c], fields[c].size());
        columns.byteWide[c] = columns.byteWide[c] && width == fields[c].size();
    }
}

// The columns widened to hold every row of `check`. When the check shows ASCII only, each
// text is as wide as it is long, and the check knows its longest; the verdicts, always
// Chinese, are measured once a word.
void widenToRows(TextColumns& columns, const StakeCheck& check) {
    if (!check.asciiOnly) {
        for (const CheckRow& row : check.rows) {
            widen(columns, checkFields(check, row));
        }
        return;
    }
    constexpr std::size_t kVerdict = kCheckColumns - 1;
    for (std::size_t c = 0; c < kVerdict; ++c) {
        columns.widths[c] = std::max(columns.widths[c], check.longest[c]);
        columns.bytes[c] = std::max(columns.bytes[c], check.longest[c]);
    }
    // In the order of the enumeration, so that a verdict is its own index.
    const std::array<Verdict, 4> verdicts = {Verdict::Within, Verdict::Beyond, Verdict::NotMeasured,
                                             Verdict::NoDesign};
    std::array<bool, verdicts.size()> present{};
    for (const CheckRow& row : check.rows) {
        present[static_cast<std::size_t>(row.verdict)] = true;
    }
    for (std::size_t v = 0; v < verdicts.size(); ++v) {
        if (present[v]) {
            const std::string_view word = verdictText(verdicts[v]);
            columns.widths[kVerdict] = std::max(columns.widths[kVerdict], displayWidth(word));
            columns.bytes[kVerdict] = std::max(columns.bytes[kVerdict], word.size());
            columns.byteWide[kVerdict] = false;
        }
    }
}

// The most bytes a line of `columns` takes with its end: each text and its padding, and the
// two blanks between columns.
std::size_t longestLine(const TextColumns& columns, std::string_view lineEnd) {
    std::size_t bytes = lineEnd.size() + 2 * (kCheckColumns - 1);
    for (std::size_t c = 0; c < kCheckColumns; ++c) {
        bytes += columns.widths[c] + columns.bytes[c];
    }
    return bytes;
}

// Writes one line of the aligned text at `out`, which has room for longestLine: the fields
// padded to their columns, two blanks apart, the blanks at the end dropped, then the line
// end. Gives where the line ends. The line is laid on blanks first and each text copied to
// its place: one fill and a copy a text, where padding text by text takes three calls each.
char* writeAlignedLine(char* out, const CheckFields& fields, const TextColumns& columns,
                       std::string_view lineEnd, std::size_t longest) {
    std::memset(out, ' ', longest);
    char* at = out;
    char* end = out;  // just past the last text written
    for (std::size_t c = 0; c < kCheckColumns; ++c) {
        // Numbers at the right of their column, words at the left; the last column's
        // padding would only be dropped again.
        const std::string_view field = fields[c];
        const std::size_t width = columns.widths[c];
        const bool last = c + 1 == kCheckColumns;
        const std::size_t taken = columns.byteWide[c] || last ? field.size() : displayWidth(field);
        const std::size_t blanks = last ? 0 : width - std::min(width, taken);
        char* const text = at + (checkColumnIsNumber(c) ? blanks : 0);
        std::copy(field.begin(), field.end(), text);
        if (!field.empty()) {
            end = text + field.size();
        }
        at += blanks + field.size() + 2;
    }
    // Blanks written as padding are not text: a line ends with its last text.
    while (end != out && end[-1] == ' ') {
        --end;
    }
    return std::copy(lineEnd.begin(), lineEnd.end(), end);
}

// A text cell of the worksheet.
SheetCell textCell(int row, int column, std::string_view text) {
    return {row, column, false, 0.0,
            QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))};
}

// A field of a numeric column as its cell: a number when it reads as one, else its text
// ("—" for an offset that could not be worked out); nothing for an empty field.
std::optional<SheetCell> numberCell(int row, int column, std::string_view field) {
    if (field.empty()) {
        return std::nullopt;
    }
    const QString text = QString::fromUtf8(field.data(), static_cast<qsizetype>(field.size()));
    if (const std::optional<double> value = plainDecimal(text)) {
        return SheetCell{row, column, true, *value, {}};
    }
    return textCell(row, column, field);
}

// The check's cells: the captions, the rows, an empty row, the tolerance and the summary.
std::vector<SheetCell> checkCells(const CheckReport& report) {
    std::vector<SheetCell> cells;
    cells.reserve((report.check.rows.size() + 1) * kCheckColumns + 2);
    const CheckFields captions = checkCaptions();
    for (std::size_t c = 0; c < kCheckColumns; ++c) {
        cells.push_back(textCell(0, static_cast<int>(c), captions[c]));
    }
    int row = 1;
    for (const CheckRow& checked : report.check.rows) {
        const CheckFields fields = checkFields(report.check, checked);
        for (std::size_t c = 0; c < kCheckColumns; ++c) {
            const int column = static_cast<int>(c);
            if (checkColumnIsNumber(c)) {
                if (std::optional<SheetCell> cell = numberCell(row, column, fields[c])) {
                    cells.push_back(std::move(*cell));
                }
            } else if (!fields[c].empty()) {
                cells.push_back(textCell(row, column, fields[c]));
            }
        }
        ++row;
    }
    cells.push_back(textCell(row + 1, 0, toleranceLine(report.tolerance)));
    cells.push_back(textCell(row + 2, 0, report.summary));
    return cells;
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

// The widths first, over the captions and every row; then the lines, gathered in pieces
// of about 64 KiB.
void writeCheckText(const CheckReport& report, std::string_view lineEnd,
                    const std::function<void(std::string_view)>& write) {
    constexpr std::size_t kPiece = 64 * 1024;
    const StakeCheck& check = report.check;
    const CheckFields captions = checkCaptions();
    TextColumns columns;
    widen(columns, captions);
    columns.byteWide.fill(true);  // of the rows' texts: the captions are written on their own
    widenToRows(columns, check);
    const std::size_t longest = longestLine(columns, lineEnd);
    std::string piece(kPiece + longest, '\0');
    char* out = piece.data();
    const auto flush = [&] {
        write(std::string_view(piece.data(), static_cast<std::size_t>(out - piece.data())));
        out = piece.data();
    };
    TextColumns captionColumns = columns;
    captionColumns.byteWide.fill(false);
    out = writeAlignedLine(out, captions, captionColumns, lineEnd, longest);
    for (const CheckRow& row : check.rows) {
        out = writeAlignedLine(out, checkFields(check, row), columns, lineEnd, longest);
        if (static_cast<std::size_t>(out - piece.data()) >= kPiece) {
            flush();
        }
    }
    flush();
    write(report.summary);
    write(lineEnd);
}

// The pieces one after another.
std::string checkText(const CheckReport& report, std::string_view lineEnd) {
    std::string text;
    writeCheckText(report, lineEnd, [&text](std::string_view piece) { text.append(piece); });
    return text;
}

// Quotes only what needs quoting, so plain numbers stay plain for every reader.
namespace {

// Appends `field` to `out` as RFC 4180 writes it.
void appendCsvField(std::string& out, std::string_view field) {
    const bool plain = std::none_of(field.begin(), field.end(), [](char c) {
        return c == ',' || c == '"' || c == '\r' || c == '\n';
    });
    if (plain) {
        out.append(field);
        return;
    }
    out += '"';
    for (const char c : field) {
        out.append(c == '"' ? 2 : 1, c);
    }
    out += '"';
}

// Appends one line of fields, comma-separated and ended CR LF.
void appendCsvLine(std::string& out, const CheckFields& fields) {
    for (std::size_t c = 0; c < kCheckColumns; ++c) {
        if (c > 0) {
            out += ',';
        }
        appendCsvField(out, fields[c]);
    }
    out += "\r\n";
}

}  // namespace

// The byte-order mark, the captions, the rows; every line ends CR LF.
std::string encodeCheckCsv(const CheckReport& report) {
    std::string csv(kByteOrderMark);
    csv.reserve(128 + report.check.rows.size() * 80);
    appendCsvLine(csv, checkCaptions());
    for (const CheckRow& row : report.check.rows) {
        appendCsvLine(csv, checkFields(report.check, row));
    }
    return csv;
}

// Notepad on a Chinese Windows reads a file without the mark as GBK.
std::string encodeCheckTextFile(const CheckReport& report) {
    std::string text(kByteOrderMark);
    writeCheckText(report, "\r\n", [&text](std::string_view piece) { text.append(piece); });
    return text;
}

// The caption, the millimetres as toleranceText writes them, the unit.
std::string toleranceLine(Tolerance tolerance) {
    return "允许偏差：" + toleranceText(tolerance) + " mm";
}

// The grid is built whole before the file is touched; the workbook layer writes and saves it.
Problem saveCheckWorkbook(const QString& path, const CheckReport& report) {
    if (report.check.rows.size() > kMaxCheckWorkbookRows) {
        Problem problem = saveProblem(ProblemCode::CheckTooLongForWorkbook, path);
        problem.subject = std::to_string(report.check.rows.size());
        return problem;
    }
    return saveSheetGrid(path, gridOfCells(checkCells(report)), kCheckSheetName);
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
