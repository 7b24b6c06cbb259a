// A table of texts as the checks write it: aligned in columns for the screen and Notepad, as a
// .csv for Excel, and as the cells of a worksheet. A table is its captions, which of its
// columns hold numbers, and its rows' texts, made as each row is written. QtCore only.
#pragma once

#include <QString>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "files/gbk.h"
#include "files/problem.h"
#include "files/workbook/worksheet.h"

namespace korvel {

struct TextTable {
    std::vector<std::string> captions;
    std::vector<bool> numbers;  // per column: numbers sit at the right, words at the left
    std::size_t rows = 0;
    // The texts of row k (below `rows`), one per column.
    std::function<std::vector<std::string>(std::size_t k)> texts;
};

// The columns a UTF-8 text takes in a fixed-pitch font: two for each East Asian wide or
// full-width character (CJK ideographs, kana, hangul, full-width forms, CJK punctuation),
// one for every other character ("Δ", "—" and "▲" included, as Western fonts draw them).
//   "P1" -> 2   "桥台1" -> 5   "ΔH(mm)" -> 6   "合格" -> 4   "，" -> 2   "" -> 0
// Bytes that are no UTF-8 count one column each.
std::size_t displayWidth(std::string_view utf8);

// A field of a .csv line as RFC 4180 writes it: quoted only when it holds a comma, a quote or
// a line end, a quote inside doubled.
//   "P1" -> "P1"   "a,b" -> "\"a,b\""   "say \"x\"" -> "\"say \"\"x\"\"\""   "" -> ""
std::string csvField(std::string_view field);

// The table as aligned text, handed to `write` in pieces of about 64 KiB (each gone when
// `write` returns, so that a long table is never whole in memory): the captions' line, a line per
// row, then each of `after` on a line of its own, each line ended by `lineEnd`. Columns two blanks
// apart and padded with blanks by display width; words at the left of their column, numbers
// (and their captions) at the right; empty fields as blanks; no blanks at a line's end.
//   {"点名", "H"}, numbers {false, true}, rows {"P1", "12.5"} ->
//   "点名     H\nP1    12.5\n" then the lines after
void writeAlignedTable(const TextTable& table, const std::vector<std::string>& after,
                       std::string_view lineEnd,
                       const std::function<void(std::string_view)>& write);

// The table as a .csv for Excel: the byte-order mark, the captions' line, a line per row, CR
// LF, fields as csvField writes them; nothing after the rows.
std::string encodeTableCsv(const TextTable& table);

// The table's cells on a worksheet: the captions in row 1, a row per table row (the numbers'
// columns as numbers when they read as decimals, else as text, "—" included; empty fields no
// cell), then an empty row and each of `after` in column A.
std::vector<SheetCell> tableCells(const TextTable& table, const std::vector<std::string>& after);

// The aligned text as a file for Notepad: the byte-order mark (a Chinese Windows reads a file
// without it as GBK), then writeAlignedTable's lines, each ended CR LF.
std::string encodeTableTextFile(const TextTable& table, const std::vector<std::string>& after);

// Saves the table's cells (tableCells, with `after`) as a workbook of one worksheet
// `sheetName` (.xlsx when the path ends so, else .xls), through the atomic save. Refused,
// nothing written: more rows than a worksheet holds with the captions, the empty row and
// `after` (CheckTooLongForWorkbook, the table's rows as subject), or the workbook's problems.
Problem saveTableWorkbook(const QString& path, const TextTable& table,
                          const std::vector<std::string>& after, const QString& sheetName);

}  // namespace korvel
