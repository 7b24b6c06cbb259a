#include "core/step_length.h"

#include <cmath>

#include "core/angle.h"

namespace korvel {
namespace {

double square(double v) {
    return v * v;
}

// Offset h along the road direction of the ellipse point with long-axis coordinate i:
// b·√(1 − i²/a²), written as the program always evaluated it.
double roadOffset(double a, double b, double i) {
    const double radicand = ((square(a) * square(b)) - (square(b) * square(i))) / square(a);
    // The single-precision bound can lie a little beyond a (0.3f is 0.30000001192...), so
    // the last counter value may pass the vertex by that rounding: that point is the vertex.
    if (radicand < 0)
        return 0.0;
    return std::sqrt(radicand);
}

}  // namespace

void generateByStepLength(const CalcInput& in, SlopePosition position, const PointSink& deliver) {
    const AxisDirections dir = axisDirections(position, 弧度(in.azimuth), 弧度(in.beta));
    const double cosU = std::cos(dir.thetaU);
    const double sinU = std::sin(dir.thetaU);
    const double cosV = std::cos(dir.thetaV);
    const double sinV = std::sin(dir.thetaV);

    // The counter, its bound and its increment are single precision: their rounding shows
    // in the rows (0.1 steps run 0, 0.100000001490116, 0.200000002980232, ...) and decides
    // whether the vertex is reached inside the loop.
    const float bound = toSingle(in.a);
    const float increment = toSingle(in.step);
    for (float i = 0.0F; i <= bound; i = i + increment) {
        const double along = i;
        const double h = roadOffset(in.a, in.b, along);
        const double x = ((along + in.d) * cosU + in.centreX) + cosV * h;
        const double y = ((along + in.d) * sinU + in.centreY) + sinV * h;
        if (!deliver({x, y}))
            return;
    }
    deliver({(in.a + in.d) * cosU + in.centreX, (in.a + in.d) * sinU + in.centreY});
}

}  // namespace korvel
