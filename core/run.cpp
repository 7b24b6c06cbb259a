#include "core/run.h"

#include <cmath>
#include <optional>

#include "core/by_angle.h"
#include "core/geometry.h"
#include "core/messages.h"
#include "core/number.h"
#include "core/stake_row.h"
#include "core/step_length.h"

namespace korvel {
namespace {

// A run stopped before it gave any row, with the message that says why.
RunResult refused(std::string_view message) {
    RunResult result;
    result.status = RunStatus::Refused;
    result.message = message;
    return result;
}

}  // namespace

CalcInput readCalcInput(const std::array<std::string, 8>& texts) {
    return {readLeadingNumber(texts[0]), readLeadingNumber(texts[1]), readLeadingNumber(texts[2]),
            readLeadingNumber(texts[3]), readLeadingNumber(texts[4]), readLeadingNumber(texts[5]),
            readLeadingNumber(texts[6]), readLeadingNumber(texts[7])};
}

// Points are counted whether or not they have coordinates, so that a loop whose counter no
// longer moves is stopped at the limit even when all its points are left out.
GeneratedRows generateRows(const CalcInput& input, SlopePosition position, bool stepMode,
                           long long limit) {
    GeneratedRows result;
    long long delivered = 0;
    const PointSink collect = [&](StakePoint p) {
        if (++delivered > limit) {
            result.tooMany = true;
            return false;
        }
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) {
            ++result.skipped;
            return true;
        }
        const int number = static_cast<int>(result.rows.size()) + 1;
        result.rows.push_back(makeStakeRow(number, p.x, p.y));
        return true;
    };
    if (stepMode) {
        generateByStepLength(input, position, collect);
    } else {
        generateByAngle(input, position, collect);
    }
    return result;
}

std::optional<SlopePosition> selectedPosition(const Selection& selection) {
    constexpr SlopePosition kPositions[] = {SlopePosition::Position1, SlopePosition::Position2,
                                            SlopePosition::Position3, SlopePosition::Position4};
    for (std::size_t k = 0; k < selection.position.size(); ++k) {
        if (selection.position[k])
            return kPositions[k];
    }
    return std::nullopt;
}

RunResult runCalculation(const std::array<std::string, 8>& texts, const Selection& selection) {
    const CalcInput input = readCalcInput(texts);

    // D (Text8) may stay empty and then reads as 0; the other seven must be filled in.
    for (std::size_t k = 0; k < 7; ++k) {
        if (texts[k].empty()) {
            return refused(kMessageEmptyInput);
        }
    }
    if (input.step <= 0) {
        return refused(kMessageStepNotPositive);
    }
    const std::optional<SlopePosition> position = selectedPosition(selection);
    if (!position)
        return {};

    GeneratedRows generated = generateRows(input, *position, selection.option5);
    if (generated.tooMany) {
        return refused(kMessageTooManyRows);
    }
    RunResult result;
    result.rows = std::move(generated.rows);
    if (generated.skipped > 0) {
        result.status = RunStatus::RowsWithPointsLeftOut;
        result.message = messageSkippedPoints(generated.skipped);
    }
    result.outline = slopeOutline(input, *position);
    return result;
}

}  // namespace korvel
