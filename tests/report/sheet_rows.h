// The rows the sheets' suites print: the worked example's and long made-up lists.
#pragma once

#include <cmath>
#include <vector>

#include "core/stake_row.h"

namespace korvel::test {

// The worked example {"12.5","6","60.3","3000","5000","45.153","2.5","4.25"}, step mode,
// 位置2, as korvel-calc lists it.
inline const std::vector<StakeRow> kWorkedRows = {
    {1, "3003.069", "5008.352"}, {2, "3002.305", "5010.672"}, {3, "3001.359", "5012.808"},
    {4, "3000.188", "5014.718"}, {5, "2998.664", "5016.271"}, {6, "2995.451", "5016.120"},
    {7, "2995.451", "5016.120"},
};

// `count` rows spiralling out from (3000, 5000), each with its own digits.
inline std::vector<StakeRow> spiralRows(int count) {
    std::vector<StakeRow> rows;
    for (int k = 1; k <= count; ++k) {
        rows.push_back(makeStakeRow(k, 3000 + 0.37 * k * std::cos(k * 0.1),
                                    5000 + 0.37 * k * std::sin(k * 0.1)));
    }
    return rows;
}

}  // namespace korvel::test
