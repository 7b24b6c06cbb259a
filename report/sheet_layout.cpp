#include "report/sheet_layout.h"

#include <algorithm>
#include <cmath>

namespace korvel {

// The header's lines: 工程名称, 桩号及部位, 仪器型号及编号 with 日期, and 测站 with 后视.
double headerBottom(bool withStation) {
    return kHeaderTop + kHeaderLineHeight * (withStation ? 4 : 3);
}

BlockStack stackBlocks(double top, const std::vector<double>& heights) {
    BlockStack stack;
    double at = top + kBlockGap;
    for (const double height : heights) {
        stack.tops.push_back(at);
        at += height + kBlockGap;
    }
    stack.bottom = at;
    return stack;
}

double stackHeight(const std::vector<double>& heights) {
    if (heights.empty()) {
        return 0;
    }
    const BlockStack stack = stackBlocks(0, heights);
    return stack.bottom - 2 * kBlockGap;
}

// Later pages carry only the header above the table.
double laterTableTop(bool withStation) {
    return stackBlocks(headerBottom(withStation), {}).bottom;
}

// The rows whole below the header row; a sliver of a row left over stays empty.
std::size_t rowsBetween(double tableTop) {
    const double room = kTableBottom - tableTop - kTableHeaderHeight;
    return std::max<std::size_t>(1, static_cast<std::size_t>(std::floor(room / kRowHeight)));
}

// The first page takes its share; the rest fill later pages, the last one partly.
std::size_t pageCount(std::size_t rowCount, std::size_t firstRows, std::size_t laterRows) {
    if (rowCount <= firstRows) {
        return 1;
    }
    return 1 + (rowCount - firstRows + laterRows - 1) / laterRows;
}

// Page 0 starts at row 0, page k at the first page's rows plus k - 1 later pages.
std::size_t firstRowOnPage(std::size_t page, std::size_t firstRows, std::size_t laterRows) {
    return page == 0 ? 0 : firstRows + (page - 1) * laterRows;
}

// The table's pages as pageCount shares the rows out; then the closing blocks under the last
// row when they fit above the table's foot, else on one more page.
std::vector<PagePlan> planPages(std::size_t rowCount, double firstTop, double laterTop,
                                double closingHeight) {
    const std::size_t firstRows = rowsBetween(firstTop);
    const std::size_t laterRows = rowsBetween(laterTop);
    const std::size_t pages = pageCount(rowCount, firstRows, laterRows);
    std::vector<PagePlan> plan;
    plan.reserve(pages + 1);
    for (std::size_t page = 0; page < pages; ++page) {
        const std::size_t first = firstRowOnPage(page, firstRows, laterRows);
        const std::size_t room = page == 0 ? firstRows : laterRows;
        plan.push_back({true, first, std::min(room, rowCount - first),
                        page == 0 ? firstTop : laterTop, false, 0});
    }
    if (closingHeight <= 0) {
        return plan;
    }
    PagePlan& last = plan.back();
    const double closingTop = last.tableTop + kTableHeaderHeight +
                              static_cast<double>(last.count) * kRowHeight + kBlockGap;
    if (closingTop + closingHeight <= kTableBottom) {
        last.closing = true;
        last.closingTop = closingTop;
    } else {
        plan.push_back({false, rowCount, 0, laterTop, true, laterTop});
    }
    return plan;
}

// Every byte but the continuation bytes 10xxxxxx starts a character.
std::size_t characterCount(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// The power of ten at or below `longest`, then the largest of its 1, 2 and 5 that fits; the
// power is corrected once for the logarithm's last bit.
double scaleBarLength(double longest) {
    double power = std::pow(10.0, std::floor(std::log10(longest)));
    if (power > longest) {
        power /= 10;
    } else if (power * 10 <= longest) {
        power *= 10;
    }
    for (const double step : {5.0, 2.0}) {
        if (step * power <= longest) {
            return step * power;
        }
    }
    return power;
}

}  // namespace korvel
