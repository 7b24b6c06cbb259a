#include "files/check_outputs.h"

#include <QDir>
#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "files/gbk.h"
#include "files/save.h"
#include "files/workbook/workbook.h"
#include "files/workbook/worksheet.h"

namespace korvel {
namespace {

// The code point ranges East Asian Width calls wide or full-width, as far as a surveyor's
// names and notes use them.
constexpr std::pair<char32_t, char32_t> kWideRanges[] = {
    {0x1100, 0x115F}, {0x2E80, 0x303E}, {0x3041, 0x33FF},   {0x3400, 0x4DBF}, {0x4E00, 0x9FFF},
    {0xA000, 0xA4CF}, {0xAC00, 0xD7A3}, {0xF900, 0xFAFF},   {0xFE10, 0xFE19}, {0xFE30, 0xFE6F},
    {0xFF00, 0xFF60}, {0xFFE0, 0xFFE6}, {0x20000, 0x3FFFD},
};

// Whether a code point is drawn two columns wide.
bool isWide(char32_t c) {
    return std::any_of(std::begin(kWideRanges), std::end(kWideRanges),
                       [c](const auto& range) { return c >= range.first && c <= range.second; });
}

// The code point that starts at `at` and the bytes it takes; a byte that starts no valid
// sequence is one character of its own.
std::pair<char32_t, std::size_t> codePointAt(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[at + k]); };
    const unsigned char lead = byte(0);
    const std::size_t length = lead < 0x80   ? 1
                               : lead < 0xC2 ? 0
                               : lead < 0xE0 ? 2
                               : lead < 0xF0 ? 3
                               : lead < 0xF5 ? 4
                                             : 0;
    if (length <= 1 || at + length > text.size()) {
        return {lead, 1};
    }
    char32_t c = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(k) & 0xC0) != 0x80) {
            return {lead, 1};
        }
        c = (c << 6) | (byte(k) & 0x3F);
    }
    return {c, length};
}

// How wide each column of the aligned text is: its widest text on screen.
using ColumnWidths = std::array<std::size_t, kCheckColumns>;

// The widths of the columns of the captions and every row of `check`.
ColumnWidths columnWidths(const StakeCheck& check) {
    ColumnWidths widths{};
    const auto widen = [&widths](const CheckFields& fields) {
        for (std::size_t c = 0; c < kCheckColumns; ++c) {
            widths[c] = std::max(widths[c], displayWidth(fields[c]));
        }
    };
    widen(checkCaptions());
    for (const CheckRow& row : check.rows) {
        widen(checkFields(check, row));
    }
    return widths;
}

// Appends one line of the aligned text to `out`: the fields padded with blanks to their
// columns' widths, numbers at the right and words at the left, two blanks apart; then the
// blanks at the line's end dropped and `lineEnd` added.
void appendAlignedLine(std::string& out, const CheckFields& fields, const ColumnWidths& widths,
                       std::string_view lineEnd) {
    const std::size_t start = out.size();
    for (std::size_t c = 0; c < kCheckColumns; ++c) {
        const std::size_t blanks = widths[c] - displayWidth(fields[c]);
        const bool right = checkColumnIsNumber(c);
        out.append(c > 0 ? 2 : 0, ' ').append(right ? blanks : 0, ' ');
        out.append(fields[c]).append(right ? 0 : blanks, ' ');
    }
    while (out.size() > start && out.back() == ' ') {
        out.pop_back();
    }
    out.append(lineEnd);
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

// Code point by code point, two columns for the wide ones; ASCII (every number of the check)
// is a column a byte.
std::size_t displayWidth(std::string_view utf8) {
    if (isAscii(utf8)) {
        return utf8.size();
    }
    std::size_t width = 0;
    for (std::size_t at = 0; at < utf8.size();) {
        const auto [c, length] = codePointAt(utf8, at);
        width += isWide(c) ? 2 : 1;
        at += length;
    }
    return width;
}

// The widths first, over the captions and every row; then the lines, handed on in pieces
// of about 64 KiB.
void writeCheckText(const CheckReport& report, std::string_view lineEnd,
                    const std::function<void(std::string_view)>& write) {
    constexpr std::size_t kPiece = 64 * 1024;
    const ColumnWidths widths = columnWidths(report.check);
    std::string piece;
    appendAlignedLine(piece, checkCaptions(), widths, lineEnd);
    for (const CheckRow& row : report.check.rows) {
        appendAlignedLine(piece, checkFields(report.check, row), widths, lineEnd);
        if (piece.size() >= kPiece) {
            write(piece);
            piece.clear();
        }
    }
    piece.append(report.summary).append(lineEnd);
    write(piece);
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

std::string csvField(std::string_view field) {
    std::string out;
    appendCsvField(out, field);
    return out;
}

// The byte-order mark, the captions, the rows; every line ends CR LF.
std::string encodeCheckCsv(const CheckReport& report) {
    std::string csv(kUtf8ByteOrderMark);
    csv.reserve(128 + report.check.rows.size() * 80);
    appendCsvLine(csv, checkCaptions());
    for (const CheckRow& row : report.check.rows) {
        appendCsvLine(csv, checkFields(report.check, row));
    }
    return csv;
}

// Notepad on a Chinese Windows reads a file without the mark as GBK.
std::string encodeCheckTextFile(const CheckReport& report) {
    std::string text(kUtf8ByteOrderMark);
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
