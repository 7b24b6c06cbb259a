#include "core/slope_body.h"

#include <algorithm>
#include <cmath>

#include "core/angle.h"

namespace korvel {
namespace {

// (s/a)² with 0/0 taken as 0: a place on the axis of a line whose other semi-axis is 0.
double ratioSquared(double s, double a) {
    if (s == 0) {
        return 0;
    }
    const double r = s / a;
    return r * r;
}

// How far the place lies out from the line at height z: below 0 inside, 0 on it.
double beyondLine(const SlopeBody& body, FramePlace place, double z) {
    const SemiAxes axes = semiAxesAt(body, z);
    return ratioSquared(place.s, axes.a) + ratioSquared(place.t, axes.b) - 1;
}

// The rate at which beyondLine grows with z: each semi-axis shrinks by its slope.
double beyondLineRate(const SlopeBody& body, FramePlace place, double z) {
    const SemiAxes axes = semiAxesAt(body, z);
    const double along =
        place.s == 0 ? 0 : 2 * place.s * place.s * body.m / (axes.a * axes.a * axes.a);
    const double across =
        place.t == 0 ? 0 : 2 * place.t * place.t * body.n / (axes.b * axes.b * axes.b);
    return along + across;
}

// Whether the place lies inside the top line, or on a top line that has shrunk to a segment
// along one axis or to the apex.
bool onTop(const SlopeBody& body, FramePlace place) {
    if (body.topA > 0 && body.topB > 0) {
        return ratioSquared(place.s, body.topA) + ratioSquared(place.t, body.topB) <= 1;
    }
    if (body.topA == 0 && std::abs(place.s) > kOnLine) {
        return false;
    }
    if (body.topB == 0 && std::abs(place.t) > kOnLine) {
        return false;
    }
    return place.s <= body.topA + kOnLine && place.t <= body.topB + kOnLine;
}

// The place moved onto the axes when it lies within kOnLine behind them.
FramePlace ontoAxes(FramePlace place) {
    return {std::max(place.s, 0.0), std::max(place.t, 0.0)};
}

// A semi-axis at the top, set to 0 when it is 0 but for the rounding of a − m·H.
double snappedToZero(double semiAxis) {
    return std::abs(semiAxis) <= kZeroSemiAxis ? 0.0 : semiAxis;
}

bool allFinite(std::initializer_list<double> values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

}  // namespace

SlopeBodyResult slopeBody(const CalcInput& input, SlopePosition position,
                          const SlopeHeights& heights) {
    SlopeBodyResult result;
    SlopeBody& body = result.body;
    const double beta = 弧度(input.beta);
    const double alpha = 弧度(input.azimuth);
    if (!(input.a > 0) || !(input.b > 0) || !(beta > 0 && beta < kPi) ||
        !allFinite({input.a, input.b, input.centreX, input.centreY, input.d, alpha})) {
        result.fault = HeightFault::NoQuarter;
        return result;
    }
    const AxisDirections dir = axisDirections(position, alpha, beta);
    body.cosU = std::cos(dir.thetaU);
    body.sinU = std::sin(dir.thetaU);
    body.cosV = std::cos(dir.thetaV);
    body.sinV = std::sin(dir.thetaV);
    // The quarter's centre as the generators place it.
    body.centre = {body.cosU * input.d + input.centreX, body.sinU * input.d + input.centreY};
    body.arc = quarterAngle(position, beta);
    body.a = input.a;
    body.b = input.b;
    body.toe = heights.toe;
    body.top = heights.top;
    body.height = heights.top - heights.toe;
    if (!allFinite({heights.toe, heights.top, body.height}) || !(body.height > 0)) {
        result.fault = HeightFault::TopNotAboveToe;
        return result;
    }
    body.m = heights.longSlope.value_or(body.a / body.height);
    body.n = heights.shortSlope.value_or(body.b / body.height);
    if (!(body.m > 0) || !(body.n > 0) || !allFinite({body.m, body.n})) {
        result.fault = HeightFault::SlopeNotPositive;
        return result;
    }
    body.topA = snappedToZero(body.a - body.m * body.height);
    body.topB = snappedToZero(body.b - body.n * body.height);
    if (body.topA < 0 || body.topB < 0) {
        result.fault = HeightFault::SlopesDoNotFit;
    }
    return result;
}

SemiAxes semiAxesAt(const SlopeBody& body, double z) {
    if (z >= body.height) {
        return {body.topA, body.topB};
    }
    return {body.a - body.m * z, body.b - body.n * z};
}

// p − E = s·u + t·v solved by Cramer's rule; u and v are never parallel, the quarter's
// angle lying strictly between 0 and 180°.
FramePlace framePlaceOf(const SlopeBody& body, StakePoint p) {
    const double dx = p.x - body.centre.x;
    const double dy = p.y - body.centre.y;
    const double det = body.cosU * body.sinV - body.sinU * body.cosV;
    return {(dx * body.sinV - dy * body.cosV) / det, (body.cosU * dy - body.sinU * dx) / det};
}

StakePoint planPointOf(const SlopeBody& body, FramePlace place) {
    return {body.centre.x + place.s * body.cosU + place.t * body.cosV,
            body.centre.y + place.s * body.sinU + place.t * body.sinV};
}

DesignHeight designHeight(const SlopeBody& body, StakePoint p) {
    const FramePlace exact = framePlaceOf(body, p);
    if (exact.s < -kOnLine || exact.t < -kOnLine) {
        return {SlopePlace::Outside, 0};
    }
    const FramePlace place = ontoAxes(exact);
    // Out by δ metres, the place lies about 2δ/r beyond 1, r its distance from E.
    if (beyondLine(body, place, 0) > 2 * kOnLine / std::min(body.a, body.b)) {
        return {SlopePlace::BeyondToe, 0};
    }
    if (onTop(body, place)) {
        return {SlopePlace::Top, body.top};
    }
    // A cone's own height is the first guess: exact for a true cone.
    const double spread = std::sqrt(beyondLine(body, place, 0) + 1);
    const double z = heightThrough(body, place, body.height * (1 - spread));
    return {SlopePlace::Face, body.toe + z};
}

// The lines shrink as z grows, so beyondLine grows with z, and it is convex: Newton's steps
// from a guess, kept inside the bracket of the root, and halving where a step leaves it.
double heightThrough(const SlopeBody& body, FramePlace place, double guess) {
    if (onTop(body, place)) {
        return body.height;
    }
    double low = 0;
    double high = body.height;
    if (beyondLine(body, place, low) >= 0) {
        return 0;
    }
    const double tolerance = 1e-12 * std::max(1.0, body.height);
    double z = std::clamp(guess, low, high);
    for (int step = 0; step < 200 && high - low > tolerance; ++step) {
        const double g = beyondLine(body, place, z);
        if (g == 0) {
            return z;
        }
        (g < 0 ? low : high) = z;
        double next = z - g / beyondLineRate(body, place, z);
        if (!(next > low && next < high)) {
            next = low + (high - low) / 2;
        }
        if (std::abs(next - z) <= tolerance) {
            return next;
        }
        z = next;
    }
    return z;
}

}  // namespace korvel
