// Where everything lies on a page of the stake-out sheet, in PostScript points (1/72 inch)
// from the top-left corner of an A4 portrait page, and how the rows are shared out over the
// pages. Plain arithmetic: no Qt.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace korvel {

// A4 portrait: 210 mm x 297 mm.
inline constexpr double kPageWidth = 595.2756;
inline constexpr double kPageHeight = 841.8898;

// The printed area: 15 mm margins left and right; the title near the top edge.
inline constexpr double kLeft = 42.5;
inline constexpr double kContentWidth = 510.0;
inline constexpr double kTitleTop = 30.0;
inline constexpr double kTitleHeight = 28.0;
inline constexpr double kHeaderTop = kTitleTop + kTitleHeight + 6.0;
inline constexpr double kHeaderLineHeight = 18.0;

// The signature line and the page number at the foot.
inline constexpr double kSignatureTop = 778.0;
inline constexpr double kPageNumberTop = 800.0;
// The table stops above the signature line.
inline constexpr double kTableBottom = 766.0;

// The first page's parameters (six lines of two captions and values) and the drawing.
inline constexpr double kParameterLineHeight = 17.0;
inline constexpr int kParameterLines = 6;
inline constexpr double kDrawingHeight = 250.0;
inline constexpr double kBlockGap = 8.0;

// The table: a header row, then one row per point.
inline constexpr double kTableHeaderHeight = 18.0;
inline constexpr double kRowHeight = 14.0;

// The longest header text, in characters.
inline constexpr std::size_t kMaxHeaderCharacters = 60;

// The top of the first page's own blocks, just under the page header: four header lines
// with a station and backsight, three without.
double headerBottom(bool withStation);

// Where the table starts on the first page and on every later one.
double firstTableTop(bool withStation);
double laterTableTop(bool withStation);

// How many rows fit between `tableTop` and the table's foot, under the header row; one at
// least.
//   rowsBetween(128) -> 44
std::size_t rowsBetween(double tableTop);

// The pages `rowCount` rows need when the first page holds `firstRows` and each later one
// `laterRows` (both at least 1); one page even without rows.
//   (0, 17, 44) -> 1   (17, 17, 44) -> 1   (18, 17, 44) -> 2   (62, 17, 44) -> 3
std::size_t pageCount(std::size_t rowCount, std::size_t firstRows, std::size_t laterRows);

// The index of the first row on page `page` (0 for the first page).
//   (0, 17, 44) -> 0   (1, 17, 44) -> 17   (2, 17, 44) -> 61
std::size_t firstRowOnPage(std::size_t page, std::size_t firstRows, std::size_t laterRows);

// What one page holds: its rows of the table (none on a page that only closes the sheet),
// where its table starts, and whether the blocks after the table come on it and where.
struct PagePlan {
    bool table = true;      // the table's header row is painted, with `count` rows
    std::size_t first = 0;  // the index of the page's first row
    std::size_t count = 0;  // the rows on the page
    double tableTop = 0;    // the top of the table's header row
    bool closing = false;   // the closing blocks come on this page,
    double closingTop = 0;  // from here down
};

// The pages of a sheet of `rowCount` rows, the first page with its parameters and drawing,
// every later page with the header only; `closingHeight` points of blocks follow the
// table on its last page, or on a page of their own when they do not fit there (0: no
// blocks after the table). There is always one page with the table, rows or not.
//   (7, false, 0)     -> {table, rows 0..6, top firstTableTop(false)}
//   (7, false, 106)   -> {table, rows 0..6, closing under row 7}
//   (18, false, 106)  -> {table, rows 0..17}, {no table, closing at laterTableTop(false)}
std::vector<PagePlan> planPages(std::size_t rowCount, bool withStation, double closingHeight);

// The number of characters (Unicode code points) of a UTF-8 text.
//   "K12+345 左幅" -> 10   "" -> 0
std::size_t characterCount(std::string_view utf8);

// The length of the scale bar, in the drawing's unit: the largest 1, 2 or 5 x 10^k not
// longer than `longest` (positive and finite).
//   100 -> 100   99 -> 50   3.7 -> 2   0.013 -> 0.01   1 -> 1
double scaleBarLength(double longest);

}  // namespace korvel
