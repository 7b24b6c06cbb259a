#include "core/slope_layers.h"

#include <cmath>

#include "core/stake_row.h"

namespace korvel {

// Each height is k·T from the toe, not a running sum, so that no rounding piles up.
std::vector<double> lineHeights(const SlopeBody& body, std::optional<double> thickness,
                                std::size_t most) {
    std::vector<double> heights;
    if (thickness) {
        for (double k = 1;; ++k) {
            const double z = k * *thickness;
            if (!(body.toe + z < body.top - kTopClearance)) {
                break;
            }
            if (heights.size() + 1 >= most) {
                return {};
            }
            heights.push_back(z);
        }
    }
    if (most == 0) {
        return {};
    }
    heights.push_back(body.height);
    return heights;
}

GeneratedRows slopeLineRows(const CalcInput& input, SlopePosition position, bool stepMode,
                            const SlopeBody& body, double z, long long limit) {
    const SemiAxes axes = semiAxesAt(body, z);
    if (axes.a > 0 && axes.b > 0) {
        CalcInput line = input;
        line.a = axes.a;
        line.b = axes.b;
        return generateRows(line, position, stepMode, limit);
    }
    // The closing points of the two generators: the vertex by step length, the end on the
    // road line by angle, computed as they compute them.
    const double offsetX = body.cosU * input.d + input.centreX;
    const double offsetY = body.sinU * input.d + input.centreY;
    const StakePoint vertex{(axes.a + input.d) * body.cosU + input.centreX,
                            (axes.a + input.d) * body.sinU + input.centreY};
    const StakePoint roadEnd{offsetX + body.cosV * axes.b, offsetY + body.sinV * axes.b};
    std::vector<StakePoint> ends;
    if (axes.a == 0 && axes.b == 0) {
        ends = {body.centre};
    } else if (stepMode) {
        ends = {roadEnd, vertex};
    } else {
        ends = {vertex, roadEnd};
    }
    GeneratedRows rows;
    for (const StakePoint p : ends) {
        if (static_cast<long long>(rows.rows.size()) >= limit) {
            rows.tooMany = true;
            break;
        }
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) {
            ++rows.skipped;
            continue;
        }
        rows.rows.push_back(makeStakeRow(static_cast<int>(rows.rows.size()) + 1, p.x, p.y));
    }
    return rows;
}

}  // namespace korvel
