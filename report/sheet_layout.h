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

// The first page's parameters (six lines of two captions and values) and the drawing; the gap
// between blocks.
inline constexpr double kParameterLineHeight = 17.0;
inline constexpr int kParameterLines = 6;
inline constexpr double kDrawingHeight = 250.0;
inline constexpr double kBlockGap = 8.0;

// The table: a header row, then one row per point.
inline constexpr double kTableHeaderHeight = 18.0;
inline constexpr double kRowHeight = 14.0;

// The longest header text, in characters.
inline constexpr std::size_t kMaxHeaderCharacters = 60;

// The foot of the page header: four header lines with a station and backsight, three without.
double headerBottom(bool withStation);

// Blocks stacked down the page from `top`, a gap before each and one after the last: the top
// of each block, and where what follows them starts.
//   (100, {102, 250}) -> tops {108, 218}, bottom 476      (100, {}) -> tops {}, bottom 108
struct BlockStack {
    std::vector<double> tops;
    double bottom = 0;
};
BlockStack stackBlocks(double top, const std::vector<double>& heights);

// The room blocks take stacked, the gaps between them counted: 0 for none.
//   {16, 64} -> 88    {} -> 0
double stackHeight(const std::vector<double>& heights);

// Where the table starts on every page after the first: a gap under the header.
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

// The pages of a sheet of `rowCount` rows, the table starting at `firstTop` on the first page
// (under its own blocks) and at `laterTop` on every later one; `closingHeight` points of
// blocks follow the table on its last page, a gap under its last row, or on a page of their
// own when they do not fit there (0: no blocks after the table). There is always one page with
// the table, rows or not.
//   (7, 470, 126, 0)     -> {table, rows 0..6, top 470}
//   (7, 470, 126, 104)   -> {table, rows 0..6, closing a gap under row 7}
//   (18, 470, 126, 104)  -> {table, rows 0..17}, {no table, closing at 126}
std::vector<PagePlan> planPages(std::size_t rowCount, double firstTop, double laterTop,
                                double closingHeight);

// The number of characters (Unicode code points) of a UTF-8 text.
//   "K12+345 左幅" -> 10   "" -> 0
std::size_t characterCount(std::string_view utf8);

// The length of the scale bar, in the drawing's unit: the largest 1, 2 or 5 x 10^k not
// longer than `longest` (positive and finite).
//   100 -> 100   99 -> 50   3.7 -> 2   0.013 -> 0.01   1 -> 1
double scaleBarLength(double longest);

}  // namespace korvel
