#include "files/text_table.h"

#include <algorithm>
#include <optional>

#include "files/save.h"
#include "files/workbook/workbook.h"

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

// Appends one line of fields to `out`: each padded to its column's width, two blanks apart,
// the line's trailing blanks dropped, then `lineEnd`.
template <typename Fields>
void appendAlignedLine(std::string& out, const Fields& fields,
                       const std::vector<std::size_t>& widths, const std::vector<bool>& numbers,
                       std::string_view lineEnd) {
    const std::size_t start = out.size();
    for (std::size_t c = 0; c < fields.size(); ++c) {
        const std::string_view field = fields[c];
        const std::size_t blanks = widths[c] - std::min(widths[c], displayWidth(field));
        out.append(c > 0 ? 2 : 0, ' ').append(numbers[c] ? blanks : 0, ' ');
        out.append(field).append(numbers[c] ? 0 : blanks, ' ');
    }
    while (out.size() > start && out.back() == ' ') {
        out.pop_back();
    }
    out.append(lineEnd);
}

// A row's texts as views.
std::vector<std::string_view> views(const std::vector<std::string>& texts) {
    return {texts.begin(), texts.end()};
}

// A text cell of the worksheet.
SheetCell textCell(int row, int column, std::string_view text) {
    return {row, column, false, 0.0,
            QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))};
}

}  // namespace

// Code point by code point, two columns for the wide ones; ASCII (every number of a check) is
// one column a byte.
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

std::string csvField(std::string_view field) {
    const bool plain = std::none_of(field.begin(), field.end(), [](char c) {
        return c == ',' || c == '"' || c == '\r' || c == '\n';
    });
    if (plain) {
        return std::string(field);
    }
    std::string quoted = "\"";
    for (const char c : field) {
        quoted.append(c == '"' ? 2 : 1, c);
    }
    return quoted + '"';
}

// The rows' texts made once and kept while the widths are taken over them; then the lines,
// gathered into pieces of about 64 KiB.
void writeAlignedTable(const TextTable& table, const std::vector<std::string>& after,
                       std::string_view lineEnd,
                       const std::function<void(std::string_view)>& write) {
    constexpr std::size_t kPiece = 64 * 1024;
    std::vector<std::size_t> widths(table.captions.size());
    const auto widen = [&widths](const auto& fields) {
        for (std::size_t c = 0; c < fields.size(); ++c) {
            widths[c] = std::max(widths[c], displayWidth(fields[c]));
        }
    };
    widen(table.captions);
    std::vector<std::vector<std::string>> rows;
    rows.reserve(table.rows);
    for (std::size_t k = 0; k < table.rows; ++k) {
        rows.push_back(table.texts(k));
        widen(rows.back());
    }
    std::string piece;
    appendAlignedLine(piece, table.captions, widths, table.numbers, lineEnd);
    for (const std::vector<std::string>& row : rows) {
        appendAlignedLine(piece, row, widths, table.numbers, lineEnd);
        if (piece.size() >= kPiece) {
            write(piece);
            piece.clear();
        }
    }
    for (const std::string& line : after) {
        piece.append(line).append(lineEnd);
    }
    write(piece);
}

// The byte-order mark, the captions, the rows; every line ends CR LF.
std::string encodeTableCsv(const TextTable& table) {
    std::string csv(kUtf8ByteOrderMark);
    const auto appendLine = [&csv](const std::vector<std::string_view>& fields) {
        for (std::size_t c = 0; c < fields.size(); ++c) {
            csv.append(c > 0 ? "," : "").append(csvField(fields[c]));
        }
        csv += "\r\n";
    };
    appendLine(views(table.captions));
    for (std::size_t k = 0; k < table.rows; ++k) {
        appendLine(views(table.texts(k)));
    }
    return csv;
}

std::vector<SheetCell> tableCells(const TextTable& table, const std::vector<std::string>& after) {
    std::vector<SheetCell> cells;
    for (std::size_t c = 0; c < table.captions.size(); ++c) {
        cells.push_back(textCell(0, static_cast<int>(c), table.captions[c]));
    }
    int row = 1;
    for (std::size_t k = 0; k < table.rows; ++k, ++row) {
        const std::vector<std::string> fields = table.texts(k);
        for (std::size_t c = 0; c < fields.size(); ++c) {
            if (fields[c].empty()) {
                continue;
            }
            const QString text = QString::fromStdString(fields[c]);
            const std::optional<double> value =
                table.numbers[c] ? plainDecimal(text) : std::nullopt;
            cells.push_back(value ? SheetCell{row, static_cast<int>(c), true, *value, {}}
                                  : textCell(row, static_cast<int>(c), fields[c]));
        }
    }
    for (std::size_t k = 0; k < after.size(); ++k) {
        cells.push_back(textCell(row + 1 + static_cast<int>(k), 0, after[k]));
    }
    return cells;
}

std::string encodeTableTextFile(const TextTable& table, const std::vector<std::string>& after) {
    std::string text(kUtf8ByteOrderMark);
    writeAlignedTable(table, after, "\r\n",
                      [&text](std::string_view piece) { text.append(piece); });
    return text;
}

// The grid is built whole before the file is touched; the workbook layer writes and saves it.
Problem saveTableWorkbook(const QString& path, const TextTable& table,
                          const std::vector<std::string>& after, const QString& sheetName) {
    if (table.rows + 2 + after.size() > static_cast<std::size_t>(kMaxSheetRows)) {
        Problem problem = saveProblem(ProblemCode::CheckTooLongForWorkbook, path);
        problem.subject = std::to_string(table.rows);
        return problem;
    }
    return saveSheetGrid(path, gridOfCells(tableCells(table, after)), sheetName);
}

}  // namespace korvel
