#include "core/geometry.h"

#include <cmath>
#include <limits>

#include "core/angle.h"

namespace korvel {

AxisDirections axisDirections(SlopePosition position, double alpha, double beta) {
    const double rightHalf = beta + alpha;
    const double leftHalf = alpha - (kPi - beta);
    const double forward = alpha;
    const double backward = alpha + kPi;
    switch (position) {
        case SlopePosition::Position1:
            return {leftHalf, forward};
        case SlopePosition::Position2:
            return {rightHalf, forward};
        case SlopePosition::Position3:
            return {rightHalf, backward};
        case SlopePosition::Position4:
            return {leftHalf, backward};
    }
    return {leftHalf, forward};
}

double quarterAngle(SlopePosition position, double beta) {
    const bool obtuse =
        position == SlopePosition::Position1 || position == SlopePosition::Position3;
    return obtuse ? kPi - beta : beta;
}

SlopeOutline slopeOutline(const CalcInput& in, SlopePosition position) {
    const double alpha = 弧度(in.azimuth);
    const AxisDirections dir = axisDirections(position, alpha, 弧度(in.beta));
    const double cosU = std::cos(dir.thetaU);
    const double sinU = std::sin(dir.thetaU);
    SlopeOutline outline;
    outline.roadCentre = {in.centreX, in.centreY};
    outline.roadAzimuth = alpha;
    outline.centre = {cosU * in.d + in.centreX, sinU * in.d + in.centreY};
    outline.vertex = {(in.a + in.d) * cosU + in.centreX, (in.a + in.d) * sinU + in.centreY};
    outline.shortAxisEnd = {(cosU * in.d + in.centreX) + std::cos(dir.thetaV) * in.b,
                            (sinU * in.d + in.centreY) + std::sin(dir.thetaV) * in.b};
    return outline;
}

float toSingle(double value) {
    // Halfway between the largest float and 2^128: from here on IEEE rounding gives
    // infinity (a plain cast would be undefined out there).
    constexpr double kOverflow = 340282356779733661637539395458142568448.0;  // 2^128 - 2^103
    if (std::isnan(value))
        return std::numeric_limits<float>::quiet_NaN();
    if (value >= kOverflow)
        return std::numeric_limits<float>::infinity();
    if (value <= -kOverflow)
        return -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

}  // namespace korvel
