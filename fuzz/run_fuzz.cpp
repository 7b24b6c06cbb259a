// Whole runs on arbitrary texts and selections. Checks what a surveyor relies on: at most
// 32767 rows, numbered 1..n without gaps, every row in the fixed layout with "0.000"
// coordinates, and a message that is one of the program's own.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/messages.h"
#include "core/run.h"
#include "fuzz/fuzz_check.h"

namespace {

bool allDigits(std::string_view s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Whether `s` matches -?[0-9]+\.[0-9]{3}, "-0.000" included.
bool isCoordinate(std::string_view s) {
    if (s.starts_with('-'))
        s.remove_prefix(1);
    return s.size() >= 5 && s[s.size() - 4] == '.' && allDigits(s.substr(0, s.size() - 4)) &&
           allDigits(s.substr(s.size() - 3));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    korvel::Selection selection;
    const auto flags = in.ConsumeIntegral<std::uint8_t>();
    selection.option5 = (flags & 1) != 0;
    for (std::size_t k = 0; k < 4; ++k)
        selection.position[k] = (flags >> (k + 1) & 1) != 0;
    std::array<std::string, 8> texts;
    for (auto& text : texts)
        text = in.ConsumeRandomLengthString(64);

    const korvel::RunResult r = korvel::runCalculation(texts, selection);
    FUZZ_CHECK(r.rows.size() <= 32767, "row limit");
    for (std::size_t k = 0; k < r.rows.size(); ++k) {
        // Numbered without gaps, each coordinate written "0.000", and the list line cut back
        // into the same fields.
        const korvel::StakeRow& row = r.rows[k];
        FUZZ_CHECK(row.number == static_cast<int>(k + 1), "row numbering");
        FUZZ_CHECK(isCoordinate(row.x) && isCoordinate(row.y), "row digits");
        const std::string line = korvel::stakeRowLine(row);
        const std::optional<korvel::StakeRowFields> fields = korvel::splitStakeRow(line);
        FUZZ_CHECK(fields && fields->number == std::to_string(k + 1) && fields->x == row.x &&
                       fields->y == row.y,
                   "row layout");
    }
    // The status says what the rows and the message are: a refusal has no rows and one of
    // the fixed messages, points left out are counted in "有N个点无法计算，已略去" with N ≥ 1,
    // and plain rows come without a message.
    const std::string_view m = r.message;
    switch (r.status) {
        case korvel::RunStatus::Refused:
            FUZZ_CHECK(r.rows.empty() && !r.outline, "a refusal has no rows");
            FUZZ_CHECK(m == korvel::kMessageEmptyInput || m == korvel::kMessageStepNotPositive ||
                           m == korvel::kMessageTooManyRows,
                       "a refusal says why");
            break;
        case korvel::RunStatus::RowsWithPointsLeftOut:
            FUZZ_CHECK(m.starts_with("有") && m.ends_with("个点无法计算，已略去") &&
                           allDigits(m.substr(3, m.size() - 33)) && m[3] != '0',
                       "points left out are counted");
            break;
        case korvel::RunStatus::Rows:
            FUZZ_CHECK(m.empty(), "plain rows come without a message");
            break;
    }
    return 0;
}
