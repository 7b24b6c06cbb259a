// The slope's height options over arbitrary typed texts and runs: a refusal must be one of the
// heights' own reasons; otherwise the lines rise to the top at their elevations, numbered and
// named within the limits, each point on its line's ellipse, the quantities finite and in
// proportion, and the surface's every vertex on the slope and every centroid within 5 mm of it.
#include <fuzzer/FuzzedDataProvider.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

#include "core/angle.h"
#include "core/decimal.h"
#include "core/run.h"
#include "files/points/slope_heights.h"
#include "fuzz/fuzz_check.h"

namespace {

// A text typed into a box: while `numbers`, mostly a number in [low, high] as a surveyor writes
// it, now and then a blank box; else anything.
std::string typed(FuzzedDataProvider& in, bool numbers, double low, double high) {
    const auto pick = in.ConsumeIntegral<std::uint8_t>();
    if (numbers && pick % 16 == 0) {
        return {};
    }
    if (numbers && pick % 16 != 1) {
        return korvel::formatFixed(in.ConsumeFloatingPointInRange(low, high), 4);
    }
    return in.ConsumeRandomLengthString(16);
}

// A "0.000" text of the files as a number.
double number(const std::string& text) {
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

bool allowedRefusal(korvel::ProblemCode code) {
    using P = korvel::ProblemCode;
    for (const P allowed : {P::TopNotNumber, P::SlopeNotPositive, P::LayerNotPositive,
                            P::NoSlopeQuarter, P::TopNotAboveToe, P::SlopesDoNotFit, P::NameTooLong,
                            P::TooManyPoints, P::SurfaceTooLarge}) {
        if (code == allowed) {
            return true;
        }
    }
    return false;
}

// Each point of each line on the ellipse of its semi-axes, within the rows' rounding grown by
// the oblique frame; only where the numbers are a surveyor's, lines not thinner than a
// centimetre and the quarter not flatter than 3°.
void checkLinesOnEllipses(const korvel::SlopeInHeight& h) {
    const korvel::SlopeBody& body = h.body;
    const double sinF = std::sin(body.arc);
    if (sinF < 0.05) {
        return;
    }
    for (const korvel::PointLine& line : h.lines) {
        const double z = number(line.elevation) - body.toe;
        const korvel::SemiAxes axes = korvel::semiAxesAt(body, std::min(z, body.height));
        if (std::min(axes.a, axes.b) < 0.01) {
            continue;
        }
        // The row's millimetres, and the elevation's: the line was worked out at its exact
        // height, a half millimetre from the printed one at most.
        const double rounding = 1e-3 / sinF + (body.m + body.n) * 5e-4 + 1e-6;
        for (const korvel::StakeRow& row : line.rows) {
            const korvel::FramePlace p = korvel::framePlaceOf(body, {number(row.x), number(row.y)});
            FUZZ_CHECK(p.s > -rounding && p.t > -rounding, "a line's point lies in the quarter");
            FUZZ_CHECK(std::abs(std::hypot(p.s / axes.a, p.t / axes.b) - 1) <=
                           rounding / std::min(axes.a, axes.b),
                       "a line's point lies on its ellipse");
        }
    }
}

void checkSurface(const korvel::SlopeInHeight& h) {
    const korvel::SlopeSurface& s = h.surface;
    for (const korvel::SurfacePoint& p : s.points) {
        const korvel::DesignHeight d = korvel::designHeight(h.body, {p.x, p.y});
        FUZZ_CHECK(d.place == korvel::SlopePlace::Face || d.place == korvel::SlopePlace::Top,
                   "every vertex lies on the slope");
        FUZZ_CHECK(std::abs(d.elevation - p.z) <= 0.00005 + 1e-9, "at the slope's height");
    }
    for (const korvel::SurfaceFace& f : s.faces) {
        const korvel::SurfacePoint &a = s.points[f[0]], &b = s.points[f[1]], &c = s.points[f[2]];
        const korvel::DesignHeight d =
            korvel::designHeight(h.body, {(a.x + b.x + c.x) / 3, (a.y + b.y + c.y) / 3});
        FUZZ_CHECK(std::abs((a.z + b.z + c.z) / 3 - d.elevation) <= 0.005,
                   "every centroid lies within 5 mm of the slope");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const auto flags = in.ConsumeIntegral<std::uint8_t>();
    const bool numbers = (flags & 1) != 0;
    const bool surface = (flags & 2) != 0;
    korvel::ListedRun run;
    run.selection.option5 = (flags & 4) != 0;
    run.selection.position[(flags >> 3) & 3] = true;
    const double ranges[8][2] = {{-1, 200},   {-1, 200}, {-10, 200},  {-1e6, 1e6},
                                 {-1e6, 1e6}, {0, 360},  {0.001, 30}, {-50, 50}};
    for (std::size_t k = 0; k < run.texts.size(); ++k) {
        run.texts[k] = typed(in, numbers, ranges[k][0], ranges[k][1]);
    }
    const korvel::TypedPointOptions points{typed(in, numbers, -100, 3000),
                                           in.ConsumeRandomLengthString(10)};
    korvel::TypedHeights heights{typed(in, numbers, -100, 3200), typed(in, numbers, -1, 5),
                                 typed(in, numbers, -1, 5), typed(in, numbers, -0.1, 20)};
    korvel::RunResult result = korvel::runCalculation(run.texts, run.selection);
    run.rows = std::move(result.rows);
    run.outline = result.outline;
    const korvel::CheckedPointOptions checked = korvel::checkPointOptions(points);
    if (checked.problem) {
        return 0;
    }
    // Surfaces of surveyors' sizes only: a giant slope takes a quarter million triangles to
    // refuse.
    const korvel::CalcInput input = korvel::readCalcInput(run.texts);
    const bool modest = std::abs(input.a) <= 100 && std::abs(input.b) <= 100 &&
                        korvel::typedNumber(heights.top).value_or(0) -
                                korvel::typedNumber(checked.options.elevation).value_or(0) <=
                            50;
    const korvel::HeightRequest r =
        korvel::makeHeights(heights, checked.options, run, surface && modest);
    if (r.problem) {
        FUZZ_CHECK(allowedRefusal(r.problem.code), "a refusal is one of the heights' own");
        FUZZ_CHECK(!r.heights, "a refusal has no heights");
        return 0;
    }
    if (!r.heights) {
        return 0;
    }
    const korvel::SlopeInHeight& h = *r.heights;
    FUZZ_CHECK(h.body.height > 0 && h.body.topA >= 0 && h.body.topB >= 0, "the slope rises");
    FUZZ_CHECK(!h.lines.empty() && h.lines.back().elevation == korvel::formatFixed(h.body.top, 3),
               "the top line comes last, at the top");
    std::size_t staked = run.rows.size();
    double below = h.body.toe;
    for (std::size_t k = 0; k < h.lines.size(); ++k) {
        const korvel::PointLine& line = h.lines[k];
        FUZZ_CHECK(line.prefix == checked.options.prefix + std::to_string(k + 1) + "-",
                   "line k is named prefix + k + -");
        FUZZ_CHECK(number(line.elevation) >= below, "the lines rise");
        below = number(line.elevation);
        for (std::size_t n = 0; n < line.rows.size(); ++n) {
            FUZZ_CHECK(line.rows[n].number == static_cast<int>(n + 1), "numbered from 1");
            if (h.layered) {
                FUZZ_CHECK(korvel::pointName(line.prefix, line.rows[n]).size() <= 16,
                           "names of 16 characters at most");
            }
        }
        staked += h.layered ? line.rows.size() : 0;
    }
    FUZZ_CHECK(staked <= 32767, "32767 points at most");
    const korvel::SlopeQuantities& q = h.quantities;
    FUZZ_CHECK(std::isfinite(q.fillVolume) && std::isfinite(q.faceArea) &&
                   std::isfinite(q.toeLength) && std::isfinite(q.topLength),
               "the quantities are finite");
    const double prism =
        korvel::kPi / 4 * h.body.a * h.body.b * std::sin(h.body.arc) * h.body.height;
    FUZZ_CHECK(q.fillVolume >= 0 && q.fillVolume <= prism * (1 + 1e-9) + 1e-9,
               "the fill lies within the prism over the toe");
    // A quarter line runs no shorter than its chord and no longer than its two semi-axes.
    const auto chord = [&h](double a, double b) {
        return std::sqrt(std::max(0.0, a * a + b * b - 2 * a * b * std::cos(h.body.arc)));
    };
    const double slack = 1e-9 * (h.body.a + h.body.b) + 1e-9;
    FUZZ_CHECK(q.toeLength >= chord(h.body.a, h.body.b) - slack &&
                   q.toeLength <= h.body.a + h.body.b + slack,
               "the toe line lies between its chord and its semi-axes");
    FUZZ_CHECK(q.topLength >= chord(h.body.topA, h.body.topB) - slack &&
                   q.topLength <= h.body.topA + h.body.topB + slack,
               "the top line lies between its chord and its semi-axes");
    // The face is no smaller than its plan, the ring between the toe and the top lines.
    const double plan =
        korvel::kPi / 4 * std::sin(h.body.arc) * (h.body.a * h.body.b - h.body.topA * h.body.topB);
    FUZZ_CHECK(q.faceArea >= plan * (1 - 1e-9) - 1e-9, "the face covers its plan");
    if (numbers) {
        checkLinesOnEllipses(h);
    }
    if (!h.surface.faces.empty()) {
        checkSurface(h);
    }
    return 0;
}
