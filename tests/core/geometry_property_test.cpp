// Every computed point, carried back into the frame of long axis and road, lies on the
// ellipse u²/a² + v²/b² = 1 inside its own quarter. The frame is built here from the
// geometry of the diagram (right half of the long axis at azimuth α + β, road forward at
// α), not from the generators' formulas, so a sign or an order slip there shows up.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "core/by_angle.h"
#include "core/step_length.h"

namespace korvel {
namespace {

// An angle drawn as whole degrees, minutes and seconds: D.MMSS and radians.
std::pair<double, double> drawAngle(std::mt19937_64& rng, int minDegrees, int maxDegrees) {
    const int d = std::uniform_int_distribution<int>(minDegrees, maxDegrees)(rng);
    std::uniform_int_distribution<int> sixty(0, 59);
    const int m = sixty(rng);
    const int s = sixty(rng);
    return {d + m / 100.0 + s / 10000.0, (d + m / 60.0 + s / 3600.0) * M_PI / 180.0};
}

void expectOnEllipseInQuarter(bool angleMode) {
    std::mt19937_64 rng(angleMode ? 20261206 : 19980701);  // a fixed generator start
    std::uniform_real_distribution<double> axis(0.5, 200.0);
    std::uniform_real_distribution<double> offset(-60.0, 60.0);
    std::uniform_real_distribution<double> coordinate(-5e5, 5e5);
    // Log-uniform steps, so that runs of hundreds of points are as common as short ones.
    std::uniform_real_distribution<double> logFraction(std::log(0.002), std::log(1.2));
    for (int n = 0; n < 300; ++n) {
        CalcInput in;
        in.a = axis(rng);
        in.b = axis(rng);
        const auto [beta, betaRadians] = drawAngle(rng, 1, 178);
        const auto [azimuth, alpha] = drawAngle(rng, 0, 359);
        in.beta = beta;
        in.azimuth = azimuth;
        in.centreX = coordinate(rng);
        in.centreY = coordinate(rng);
        in.d = offset(rng);
        in.step = angleMode ? drawAngle(rng, 0, 20).first + 0.3  // at least 30 minutes
                            : in.a * std::exp(logFraction(rng));
        for (const int quarter : {1, 2, 3, 4}) {
            // Unit vectors along the quarter's long-axis half and road half.
            const double u = alpha + betaRadians + (quarter == 1 || quarter == 4 ? M_PI : 0);
            const double v = alpha + (quarter >= 3 ? M_PI : 0);
            const double ux = std::cos(u), uy = std::sin(u), vx = std::cos(v), vy = std::sin(v);
            std::vector<StakePoint> points;
            const PointSink sink = [&](StakePoint p) {
                points.push_back(p);
                return points.size() < 40000;
            };
            const auto position = static_cast<SlopePosition>(quarter - 1);
            if (angleMode) {
                generateByAngle(in, position, sink);
            } else {
                generateByStepLength(in, position, sink);
            }
            ASSERT_GE(points.size(), 2u);
            for (std::size_t k = 0; k < points.size(); ++k) {
                // Oblique coordinates at the quarter's centre C = O + D along the long axis.
                const double wx = points[k].x - (in.centreX + in.d * ux);
                const double wy = points[k].y - (in.centreY + in.d * uy);
                const double det = ux * vy - uy * vx;
                const double qu = (wx * vy - wy * vx) / det;
                const double qv = (ux * wy - uy * wx) / det;
                const double residual = qu * qu / (in.a * in.a) + qv * qv / (in.b * in.b) - 1;
                // The single-precision counter may pass a by the rounding of its bound;
                // that point is put on the vertex.
                const bool vertexByRounding =
                    !angleMode && std::fabs(qv) < 1e-9 * in.b && std::fabs(qu - in.a) < 1e-7 * in.a;
                EXPECT_TRUE(std::fabs(residual) < 1e-9 || vertexByRounding)
                    << "case " << n << " position " << quarter << " point " << k << " residual "
                    << residual;
                EXPECT_GE(qu, -1e-9 * in.a) << "case " << n << " point " << k;
                EXPECT_GE(qv, -1e-9 * in.b) << "case " << n << " point " << k;
            }
        }
    }
}

TEST(geometry, stepLengthPointsLieOnTheEllipseInTheirQuarter) {
    expectOnEllipseInQuarter(false);
}

TEST(geometry, anglePointsLieOnTheEllipseInTheirQuarter) {
    expectOnEllipseInQuarter(true);
}

}  // namespace
}  // namespace korvel
