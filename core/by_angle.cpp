#include "core/by_angle.h"

#include <cmath>

#include "core/angle.h"

namespace korvel {
namespace {

double square(double v) {
    return v * v;
}

// Azimuth from the quarter's centre to the point at sweep angle t. Positions 1 and 3
// sweep towards larger azimuths, 2 and 4 towards smaller ones, always from the long axis
// to the road.
double sweepDirection(SlopePosition position, double alpha, double beta, double t) {
    switch (position) {
        case SlopePosition::Position1:
            return (alpha - (kPi - beta)) + t;
        case SlopePosition::Position2:
            return (beta + alpha) - t;
        case SlopePosition::Position3:
            return (beta + alpha) + t;
        case SlopePosition::Position4:
            return ((alpha + kPi) + beta) - t;
    }
    return 0.0;
}

// Polar radius at sweep angle t of the ellipse u²/a² + v²/b² = 1 drawn in the oblique
// frame of long axis and road, which meet at the arc angle F: a at t = 0, b at t = F.
double polarRadius(double a, double b, double arc, double t) {
    return ((b * a) * std::sin(arc)) /
           std::sqrt((square(a) * square(std::sin(t))) + (square(b) * square(std::sin(arc - t))));
}

}  // namespace

void generateByAngle(const CalcInput& in, SlopePosition position, const PointSink& deliver) {
    const double alpha = 弧度(in.azimuth);
    const double beta = 弧度(in.beta);
    const AxisDirections dir = axisDirections(position, alpha, beta);
    const double arc = quarterAngle(position, beta);
    // The quarter's centre C, D from O along the long axis.
    const double centreX = std::cos(dir.thetaU) * in.d + in.centreX;
    const double centreY = std::sin(dir.thetaU) * in.d + in.centreY;

    // The sweep angle, its bound and its increment are single precision: whether the
    // value meant to land on F does so, falls short or overshoots shows in the rows.
    const float bound = toSingle(arc);
    const float increment = toSingle(弧度(in.step));
    for (float t = 0.0F; t <= bound; t = t + increment) {
        const double sweep = t;
        const double r = polarRadius(in.a, in.b, arc, sweep);
        const double theta = sweepDirection(position, alpha, beta, sweep);
        if (!deliver({centreX + std::cos(theta) * r, centreY + std::sin(theta) * r}))
            return;
    }
    deliver({centreX + std::cos(dir.thetaV) * in.b, centreY + std::sin(dir.thetaV) * in.b});
}

}  // namespace korvel
