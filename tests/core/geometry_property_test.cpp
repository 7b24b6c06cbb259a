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

constexpr double kDegree = M_PI / 180.0;

// An angle drawn as whole degrees, minutes and seconds, in both notations.
struct DrawnAngle {
    double dmmss;
    double radians;
};

DrawnAngle drawAngle(std::mt19937_64& rng, int minDegrees, int maxDegrees) {
    std::uniform_int_distribution<int> deg(minDegrees, maxDegrees);
    std::uniform_int_distribution<int> sixty(0, 59);
    const int d = deg(rng);
    const int m = sixty(rng);
    const int s = sixty(rng);
    return {d + m / 100.0 + s / 10000.0, (d + m / 60.0 + s / 3600.0) * kDegree};
}

struct Case {
    CalcInput input;
    double alpha;  // radians, drawn independently of 弧度
    double beta;
};

Case drawCase(std::mt19937_64& rng, bool angleMode) {
    std::uniform_real_distribution<double> axis(0.5, 200.0);
    std::uniform_real_distribution<double> offset(-60.0, 60.0);
    std::uniform_real_distribution<double> coordinate(-5e5, 5e5);
    Case c;
    c.input.a = axis(rng);
    c.input.b = axis(rng);
    const DrawnAngle beta = drawAngle(rng, 1, 178);
    const DrawnAngle azimuth = drawAngle(rng, 0, 359);
    c.input.beta = beta.dmmss;
    c.input.azimuth = azimuth.dmmss;
    c.beta = beta.radians;
    c.alpha = azimuth.radians;
    c.input.centreX = coordinate(rng);
    c.input.centreY = coordinate(rng);
    c.input.d = offset(rng);
    if (angleMode) {
        c.input.step = drawAngle(rng, 0, 20).dmmss + 0.3;  // at least 30 minutes
    } else {
        // Log-uniform, so that runs of hundreds of points are as common as short ones.
        std::uniform_real_distribution<double> logFraction(std::log(0.002), std::log(1.2));
        c.input.step = c.input.a * std::exp(logFraction(rng));
    }
    return c;
}

// The oblique frame of one quarter: unit vectors along its long-axis half and road half.
struct Frame {
    double ux, uy, vx, vy;
};

Frame quarterFrame(SlopePosition position, double alpha, double beta) {
    const double right = alpha + beta;
    const double longAxis = (position == SlopePosition::Position2 ||
                             position == SlopePosition::Position3)
                                ? right
                                : right + M_PI;
    const double road = (position == SlopePosition::Position1 ||
                         position == SlopePosition::Position2)
                            ? alpha
                            : alpha + M_PI;
    return {std::cos(longAxis), std::sin(longAxis), std::cos(road), std::sin(road)};
}

struct Oblique {
    double u, v;
};

// Coordinates of p in the frame at the quarter's centre C = O + D along the long axis.
Oblique toFrame(const Case& c, const Frame& f, StakePoint p) {
    const double wx = p.x - (c.input.centreX + c.input.d * f.ux);
    const double wy = p.y - (c.input.centreY + c.input.d * f.uy);
    const double det = f.ux * f.vy - f.uy * f.vx;
    return {(wx * f.vy - wy * f.vx) / det, (f.ux * wy - f.uy * wx) / det};
}

std::vector<StakePoint> collect(bool angleMode, const CalcInput& in, SlopePosition position) {
    std::vector<StakePoint> points;
    const PointSink sink = [&](StakePoint p) {
        points.push_back(p);
        return points.size() < 40000;
    };
    if (angleMode) {
        generateByAngle(in, position, sink);
    } else {
        generateByStepLength(in, position, sink);
    }
    return points;
}

constexpr SlopePosition kPositions[] = {SlopePosition::Position1, SlopePosition::Position2,
                                        SlopePosition::Position3, SlopePosition::Position4};

void expectOnEllipseInQuarter(bool angleMode) {
    std::mt19937_64 rng(angleMode ? 20261206 : 19980701);
    for (int n = 0; n < 300; ++n) {
        const Case c = drawCase(rng, angleMode);
        for (const SlopePosition position : kPositions) {
            const Frame frame = quarterFrame(position, c.alpha, c.beta);
            const std::vector<StakePoint> points = collect(angleMode, c.input, position);
            ASSERT_GE(points.size(), 2u);
            for (std::size_t k = 0; k < points.size(); ++k) {
                const Oblique q = toFrame(c, frame, points[k]);
                const double residual =
                    q.u * q.u / (c.input.a * c.input.a) + q.v * q.v / (c.input.b * c.input.b) - 1;
                // The single-precision counter may pass a by the rounding of its bound;
                // that point is put on the vertex.
                const bool vertexByRounding = !angleMode && std::fabs(q.v) < 1e-9 * c.input.b &&
                                              std::fabs(q.u - c.input.a) < 1e-7 * c.input.a;
                EXPECT_TRUE(std::fabs(residual) < 1e-9 || vertexByRounding)
                    << "case " << n << " position " << static_cast<int>(position) + 1
                    << " point " << k << " residual " << residual;
                EXPECT_GE(q.u, -1e-9 * c.input.a) << "case " << n << " point " << k;
                EXPECT_GE(q.v, -1e-9 * c.input.b) << "case " << n << " point " << k;
            }
        }
    }
}

TEST(geometry, stepLengthPointsLieOnTheEllipseInTheirQuarter) { expectOnEllipseInQuarter(false); }

TEST(geometry, anglePointsLieOnTheEllipseInTheirQuarter) { expectOnEllipseInQuarter(true); }

bool near(StakePoint p, StakePoint q, double scale) {
    return std::fabs(p.x - q.x) <= 1e-9 * scale && std::fabs(p.y - q.y) <= 1e-9 * scale;
}

TEST(geometry, quartersShareVerticesAndMirrorAboutTheRoadCentre) {
    std::mt19937_64 rng(7);
    for (int n = 0; n < 200; ++n) {
        const Case c = drawCase(rng, false);
        const double scale = 1e6;
        const auto p1 = collect(false, c.input, SlopePosition::Position1);
        const auto p2 = collect(false, c.input, SlopePosition::Position2);
        const auto p3 = collect(false, c.input, SlopePosition::Position3);
        const auto p4 = collect(false, c.input, SlopePosition::Position4);
        // The closing point is the vertex of the long axis: 2 and 3 share the right one,
        // 1 and 4 the left one.
        EXPECT_TRUE(near(p2.back(), p3.back(), scale)) << "case " << n;
        EXPECT_TRUE(near(p1.back(), p4.back(), scale)) << "case " << n;
        // The short-axis ends of opposite quarters are mirror images through O.
        const StakePoint o{c.input.centreX, c.input.centreY};
        const auto mid = [](StakePoint p, StakePoint q) {
            return StakePoint{(p.x + q.x) / 2, (p.y + q.y) / 2};
        };
        EXPECT_TRUE(near(mid(p1.front(), p3.front()), o, scale)) << "case " << n;
        EXPECT_TRUE(near(mid(p2.front(), p4.front()), o, scale)) << "case " << n;

        // In the angle mode the sweep starts at the vertex that the step mode ends on.
        Case angular = c;
        angular.input.step = 5;
        const auto a2 = collect(true, angular.input, SlopePosition::Position2);
        const auto a3 = collect(true, angular.input, SlopePosition::Position3);
        EXPECT_TRUE(near(a2.front(), p2.back(), scale)) << "case " << n;
        EXPECT_TRUE(near(a3.front(), p2.back(), scale)) << "case " << n;
    }
}

}  // namespace
}  // namespace korvel
